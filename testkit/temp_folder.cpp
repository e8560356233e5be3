#include "testkit/temp_folder.h"

#include <windows.h>

#include <atomic>
#include <vector>

namespace testkit {
namespace {

// Wide and "\\?\" paths, so that names the code page cannot hold, or that
// end in a blank or a full stop, go as well.
void RemoveTree(const std::wstring& folder) {
    WIN32_FIND_DATAW fd;
    HANDLE h = FindFirstFileW((folder + L"\\*").c_str(), &fd);
    if (h != INVALID_HANDLE_VALUE) {
        do {
            std::wstring name = fd.cFileName;
            if (name == L"." || name == L"..") continue;
            std::wstring path = folder + L"\\" + name;
            // A link is left to its maker (FolderLink): going into it, or
            // removing it here (Wine then removes an empty target), would
            // reach what it leads to.
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT) continue;
            SetFileAttributesW(path.c_str(), FILE_ATTRIBUTE_NORMAL);
            if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(path);
            } else {
                DeleteFileW(path.c_str());
            }
        } while (FindNextFileW(h, &fd));
        FindClose(h);
    }
    RemoveDirectoryW(folder.c_str());
}

void RemoveTree(const std::string& folder) {
    std::wstring wide(folder.size() + 1, L'\0');
    int n = MultiByteToWideChar(CP_ACP, 0, folder.c_str(), -1, wide.data(), static_cast<int>(wide.size()));
    wide.resize(n > 0 ? static_cast<size_t>(n - 1) : 0);
    RemoveTree(L"\\\\?\\" + wide);
}

void MakeFolders(const std::string& path) {
    for (size_t i = 3; i < path.size(); ++i) {
        if (path[i] == '\\') CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
    }
    CreateDirectoryA(path.c_str(), nullptr);
}

}  // namespace

void WriteFileBytes(const std::string& path, const std::string& bytes) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD written = 0;
    if (!bytes.empty()) WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

std::string ReadFileBytes(const std::string& path) {
    HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return {};
    std::string bytes(GetFileSize(h, nullptr), '\0');
    DWORD got = 0;
    if (!bytes.empty() && !ReadFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &got, nullptr)) got = 0;
    bytes.resize(got);
    CloseHandle(h);
    return bytes;
}

std::string PathWrappingTo(const std::string& path) { return path + "." + std::string(65535, 'b'); }

TempFolder::TempFolder() {
    static std::atomic<int> counter{0};
    char base[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, base);
    std::string root(base);
    if (!root.empty() && root.back() == '\\') root.pop_back();
    path_ = root + "\\ft" + std::to_string(GetCurrentProcessId()) + "_" + std::to_string(counter++);
    RemoveTree(path_);
    MakeFolders(path_);
}

TempFolder::~TempFolder() { RemoveTree(path_); }

std::string TempFolder::Write(const std::string& name, const std::string& bytes) const {
    std::string path = *this / name;
    size_t slash = path.find_last_of('\\');
    MakeFolders(path.substr(0, slash));
    WriteFileBytes(path, bytes);
    return path;
}

std::string TempFolder::NameForPathLength(size_t length) const { return std::string(length - path_.size() - 1, 'n'); }

std::string TempFolder::MakeFolder(const std::string& name) const {
    std::string path = *this / name;
    MakeFolders(path);
    return path;
}

}  // namespace testkit
