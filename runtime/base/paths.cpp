#include "rt/paths.h"

#include <windows.h>

#include <cctype>

#include "rt/drives.h"
#include "rt/files.h"

namespace rt {

std::string WithBackslash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

std::string WithoutBackslash(std::string folder) {
    while (folder.size() > 3 && folder.back() == '\\') folder.pop_back();
    return folder;
}

char DriveLetterOf(const std::string& path) {
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0])))
        return static_cast<char>(std::tolower(static_cast<unsigned char>(path[0])));
    return 0;
}

namespace {

Error PathNotFound() { return Error{ERROR_PATH_NOT_FOUND, ErrorText(ERROR_PATH_NOT_FOUND)}; }

}  // namespace

Error ResolveFolder(const std::string& text, std::string& folder) {
    std::string t = text;
    char letter = DriveLetterOf(t);
    if (letter && !DriveReady(letter)) return Error{ERROR_NOT_READY, ErrorText(ERROR_NOT_READY)};
    // A drive alone, also as the drive list shows it ("d: [label]").
    if (letter && (t.size() == 2 || t.compare(2, 2, " [") == 0)) return DriveCurrentFolder(letter, folder);
    if (t.empty() || !NameablePath(t) || t.find_first_of("*?\"<>|") != std::string::npos) return PathNotFound();
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetFullPathNameA(t.c_str(), sizeof buf, buf, nullptr);
    if (n == 0 || n >= sizeof buf) return PathNotFound();
    const std::string full = WithoutBackslash(std::string(buf, n));
    if (!NameablePath(full)) return PathNotFound();
    DWORD attrs = GetFileAttributesA(full.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
        DWORD err = attrs == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_DIRECTORY;
        if (err == ERROR_NOT_READY) return Error{err, ErrorText(err)};
        return PathNotFound();
    }
    folder = full;
    return {};
}

std::string CurrentFolder() {
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return WithoutBackslash(std::string(buf, n));
}

}  // namespace rt
