#include "temp_tree.h"

#include <windows.h>

#include <fstream>
#include <functional>
#include <iterator>

namespace {

// Calls onEntry(name, isFolder) for every entry of folder but "." and "..".
void ForEachEntry(const std::string& folder, const std::function<void(const std::string&, bool)>& onEntry) {
    WIN32_FIND_DATAA data;
    HANDLE find = FindFirstFileA((folder + "*").c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    do {
        const std::string name = data.cFileName;
        if (name != "." && name != "..") onEntry(name, (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

void CollectFiles(const std::string& folder, const std::string& relative, std::map<std::string, std::string>& files) {
    ForEachEntry(folder + relative, [&](const std::string& name, bool isFolder) {
        if (isFolder) {
            CollectFiles(folder, relative + name + "\\", files);
            return;
        }
        std::ifstream in(folder + relative + name, std::ios::binary);
        files[relative + name].assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    });
}

}  // namespace

TempTree::TempTree(const std::string& name) {
    char temp[MAX_PATH];
    GetTempPathA(MAX_PATH, temp);
    root_ = std::string(temp) + name + "_" + std::to_string(GetCurrentProcessId()) + "\\";
    Remove(root_);
    MakeFolder(root_);
}

TempTree::~TempTree() { Remove(root_); }

void TempTree::Write(const std::string& path, const std::string& content, bool readOnly) {
    MakeFolder(path.substr(0, path.find_last_of('\\') + 1));
    std::ofstream(path, std::ios::binary) << content;
    if (readOnly) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY);
}

void TempTree::MakeFolder(const std::string& path) {
    // Each missing folder of the path in turn, from the drive down.
    for (std::size_t end = path.find('\\', 3); end != std::string::npos; end = path.find('\\', end + 1))
        CreateDirectoryA(path.substr(0, end).c_str(), nullptr);
    CreateDirectoryA(path.c_str(), nullptr);
}

std::map<std::string, std::string> TempTree::Files(const std::string& folder) {
    std::map<std::string, std::string> files;
    CollectFiles(folder, "", files);
    return files;
}

void TempTree::Remove(const std::string& folder) {
    ForEachEntry(folder, [&](const std::string& name, bool isFolder) {
        const std::string path = folder + name;
        if (isFolder) {
            Remove(path + "\\");
            return;
        }
        SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(path.c_str());
    });
    RemoveDirectoryA(folder.c_str());
}
