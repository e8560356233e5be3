#pragma once
// Small routines over the Windows interfaces that every program carries.
#include <windows.h>

#include <string>

namespace modWin32Api {

// The Windows folder, always ending in "\"; "" when the platform cannot say.
std::string GetWindowsDir();

// Runs the shell's "Open" verb on the file (no owner window, empty working
// folder) and hands back the shell's result: above 32 is success, otherwise
// the shell's error code (2: file not found, also for a path too long to name).
long ShellOpen(const std::string& file, const std::string& parameters, long showCommand);

// The text before its first NUL, or the whole text when it holds none.
std::string TrimAtNull(const std::string& text);

// A folder that a GetWindowsDirectoryA-like call writes into a buffer of 255
// characters, ending in exactly one "\"; "" when the call fails or the folder
// does not fit the buffer.
using FolderCall = UINT(WINAPI*)(LPSTR buffer, UINT size);
std::string FolderFromPlatform(FolderCall call);

}  // namespace modWin32Api
