#pragma once
// Whether a file can be opened for reading.
#include <string>

namespace modWin32Api {

// True when the file at the path opens for reading; false for a missing
// file, a folder, a name a file cannot have (quote marks, NUL) and a file that
// another program holds open without sharing it for reading. Creates and
// changes nothing, leaves nothing open.
bool FileExists(const std::string& path);

}  // namespace modWin32Api
