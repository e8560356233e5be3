#pragma once
// Facts about the running program: its version resource, folder, command line.
#include <string>

namespace rt {

struct Version {
    int major = 0;
    int minor = 0;
    int revision = 0;
};

// Title and description come from the executable's version resource
// ("ProductName" and "Comments"), the version from its fixed file info.
const std::string& AppTitle();
const std::string& AppDescription();
Version AppVersion();
// Title & " " & major.minor.revision, as every main window and the about box show it.
std::string AppTitleWithVersion();

// Folder of the executable as the platform reports it: no trailing "\"
// except for a drive's root folder.
std::string AppPath();
// File name of the executable without its extension.
std::string AppExeName();
// The command line after the program's own name and the blanks that follow
// it; otherwise as the platform hands it over (not trimmed, quotes kept).
std::string AppCommandLine();
// The part of a raw command line after its first argument (the program).
std::string CommandLineAfterProgram(const std::string& raw);

}  // namespace rt
