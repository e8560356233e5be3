#pragma once
// Folder paths as the file functions take them: the trailing "\" and the
// drive letter.
#include <string>

namespace rt {

// The folder with one "\" at its end, added unless it ends in one ("" gives "\").
std::string WithBackslash(const std::string& folder);
// The folder without the "\"s at its end; a root ("C:\") keeps its own.
std::string WithoutBackslash(std::string folder);
// The drive a path starts with ("d:..."), in lower case; 0 for none.
char DriveLetterOf(const std::string& path);

}  // namespace rt
