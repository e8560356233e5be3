#pragma once
// Folder paths as the file functions take them: the trailing "\", the
// drive letter, the full path of a folder and the current folder.
#include <string>

#include "rt/error.h"

namespace rt {

// The folder with one "\" at its end, added unless it ends in one ("" gives "\").
std::string WithBackslash(const std::string& folder);
// The folder without the "\"s at its end; a root ("C:\") keeps its own.
std::string WithoutBackslash(std::string folder);
// The drive a path starts with ("d:..."), in lower case; 0 for none.
char DriveLetterOf(const std::string& path);

// The full path of the existing folder that text names, without a trailing
// "\" except at a root. A drive alone ("d:", also as the drive list shows it,
// "d: [label]") names the drive's current folder, and fails as
// DriveCurrentFolder does. Otherwise fails with ERROR_NOT_READY for a drive
// without medium, else ERROR_PATH_NOT_FOUND (patterns, files and names the
// file functions cannot take included).
Error ResolveFolder(const std::string& text, std::string& folder);
// The process's current folder, without a trailing "\" except at a root.
std::string CurrentFolder();

}  // namespace rt
