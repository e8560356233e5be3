#include "foundation/modWin32Api.h"

#include <shellapi.h>

#include "rt/files.h"
#include "rt/paths.h"

namespace modWin32Api {

std::string GetWindowsDir() { return FolderFromPlatform(GetWindowsDirectoryA); }

long ShellOpen(const std::string& file, const std::string& parameters, long showCommand) {
    if (!rt::NameablePath(file)) return SE_ERR_FNF;
    const HINSTANCE result =
        ShellExecuteA(nullptr, "Open", file.c_str(), parameters.c_str(), "", static_cast<int>(showCommand));
    return static_cast<long>(reinterpret_cast<INT_PTR>(result));
}

std::string TrimAtNull(const std::string& text) {
    const auto nul = text.find('\0');
    return nul == std::string::npos ? text : text.substr(0, nul);
}

std::string FolderFromPlatform(FolderCall call) {
    constexpr UINT kSize = 255;
    std::string buffer(kSize, ' ');
    const UINT length = call(buffer.data(), kSize);
    // A folder too long for the buffer comes back as the size it needs, with
    // nothing written: that is no answer either.
    if (length == 0 || length >= kSize) return "";
    return rt::WithBackslash(TrimAtNull(buffer));
}

}  // namespace modWin32Api
