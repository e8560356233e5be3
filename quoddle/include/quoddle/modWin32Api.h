#pragma once
// The player's own Windows routines, beside the shared ones: drive types and
// sizes, the Windows line, the system folder, and running a program to its end.
#include <string>

#include "foundation/modWin32Api.h"

namespace modWin32Api {

// What GetDriveInfo last found out about a drive. Sizes and the volume number
// are -1 until a call fills them; the texts mean something only then.
struct DriveInfoRecord {
    double TotalBytes = -1;
    double FreeBytes = -1;
    double UsedBytes = -1;
    long VolumeNumber = -1;
    std::string VolumeLabel;
    std::string FileSystem;
};
extern DriveInfoRecord DriveInfo;

// "REMOVABLE", "FIXED", "REMOTE", "CDROM", "RAMDISK", or "" for no such drive.
// A letter counts by its first character ("d", "D:", "d:\x" are all D:\); a
// network root "\\server\share" is asked about as "\\SERVER\SHARE\". Unless
// typeOnly, DriveInfo is filled too (sizes 0 for a drive without medium).
std::string GetDriveInfo(std::string drive, bool typeOnly);
// The root GetDriveInfo asks the platform about.
std::string DriveRoot(const std::string& drive);

// "NT"; "95", "98", "ME" or "WIN9X"; "WIN32" for any other line.
std::string GetWindowsVersion();

// The system folder, always ending in "\"; "" when the platform cannot say.
std::string GetSystemDir();

// Starts the command line as a new process and returns when it has ended;
// returns at once when it cannot be started.
void RunAndWait(const std::string& commandLine, long showCommand);

}  // namespace modWin32Api
