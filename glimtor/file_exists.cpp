#include "glimtor/file_exists.h"

#include <windows.h>

#include "rt/files.h"

namespace modWin32Api {

bool FileExists(const std::string& path) {
    if (!rt::NameablePath(path)) return false;
    // Sharing writes too: a file another program is writing still exists.
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

}  // namespace modWin32Api
