#pragma once
// What a folder holds after a run: every file below it and its content.
#include <map>
#include <string>

namespace testkit {

// Path relative to folder (no trailing "\"), as the platform spells it -> content.
std::map<std::string, std::string> FilesBelow(const std::string& folder);

}  // namespace testkit
