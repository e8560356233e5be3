#include <windows.h>

#include "quoddle/modWin32Api.h"

namespace modWin32Api {

std::string GetWindowsVersion() {
    OSVERSIONINFOA info{};
#ifndef _WIN64
    static_assert(sizeof info == 148, "the platform's version record");
#endif
    info.dwOSVersionInfoSize = sizeof info;
    if (!GetVersionExA(&info)) return "WIN32";
    if (info.dwPlatformId == VER_PLATFORM_WIN32_NT) return "NT";
    if (info.dwPlatformId != VER_PLATFORM_WIN32_WINDOWS) return "WIN32";
    switch (info.dwMinorVersion) {
    case 0: return "95";
    case 10: return "98";
    case 90: return "ME";
    default: return "WIN9X";
    }
}

std::string GetSystemDir() { return FolderFromPlatform(GetSystemDirectoryA); }

}  // namespace modWin32Api
