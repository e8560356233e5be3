#include "testkit/folder_link.h"

#include <windows.h>

#include <chrono>
#include <thread>

namespace testkit {
namespace {

bool IsLink(const std::string& path) {
    DWORD a = GetFileAttributesA(path.c_str());
    return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_REPARSE_POINT);
}

// Wine's own conversion of a path to the Unix one; "" elsewhere.
std::string UnixPath(const std::string& path) {
    using Convert = char*(CDECL*)(const wchar_t*);
    auto convert = reinterpret_cast<Convert>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_unix_file_name")));
    if (!convert) return "";
    std::wstring wide(path.size() + 1, L'\0');
    MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    char* unix = convert(wide.c_str());
    if (!unix) return "";
    std::string result = unix;
    HeapFree(GetProcessHeap(), 0, unix);
    return result;
}

// Starts a Unix program (Wine runs one given by its path on Z:); it runs
// on its own, so the caller waits for its effect.
bool StartUnix(const std::string& program, const std::string& arguments) {
    std::string commandLine = program + " " + arguments;
    STARTUPINFOA si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessA(("Z:" + program).c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr,
                        &si, &pi))
        return false;
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
    return true;
}

bool WaitFor(bool wanted, const std::string& link) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (IsLink(link) != wanted) {
        if (std::chrono::steady_clock::now() > until) return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return true;
}

std::string Quoted(const std::string& s) { return "\"" + s + "\""; }

// The platform's CreateSymbolicLinkA, which older systems lack.
bool PlatformLink(const std::string& link, const std::string& target) {
    using Create = BOOLEAN(WINAPI*)(const char*, const char*, DWORD);
    constexpr DWORD kDirectory = 1;  // SYMBOLIC_LINK_FLAG_DIRECTORY
    auto create = reinterpret_cast<Create>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateSymbolicLinkA")));
    return create && create(link.c_str(), target.c_str(), kDirectory) && IsLink(link);
}

}  // namespace

FolderLink::FolderLink(std::string link, const std::string& target) : link_(std::move(link)) {
    if (PlatformLink(link_, target)) {
        made_ = true;
        return;
    }
    const std::string unixLink = UnixPath(link_), unixTarget = UnixPath(target);
    if (unixLink.empty() || unixTarget.empty()) return;
    unixLink_ = true;
    made_ = StartUnix("/bin/ln", "-s " + Quoted(unixTarget) + " " + Quoted(unixLink)) && WaitFor(true, link_);
}

FolderLink::~FolderLink() {
    if (!unixLink_) {
        if (made_) RemoveDirectoryA(link_.c_str());
        return;
    }
    const std::string unixLink = UnixPath(link_);
    if (StartUnix("/bin/rm", "-f " + Quoted(unixLink))) WaitFor(false, link_);
}

}  // namespace testkit
