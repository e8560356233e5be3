#include "rt/drives.h"

#include <windows.h>

#include <cctype>

#include "rt/paths.h"

namespace rt {
namespace {

std::function<bool(char)>& Probe() {
    static std::function<bool(char)> probe;
    return probe;
}

std::string Root(char letter) {
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(letter)))) + ":\\";
}

bool PlatformReady(char letter) {
    std::string root = Root(letter);
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD serial = 0, maxLen = 0, flags = 0;
    BOOL ok = GetVolumeInformationA(root.c_str(), nullptr, 0, &serial, &maxLen, &flags, nullptr, 0);
    DWORD err = ok ? 0 : GetLastError();
    SetErrorMode(old);
    return ok || err != ERROR_NOT_READY;
}

}  // namespace

std::vector<char> DriveLetters() {
    std::vector<char> letters;
    DWORD mask = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if (mask & (1u << i)) letters.push_back(static_cast<char>('a' + i));
    }
    return letters;
}

std::string DriveDisplayText(char letter) {
    char lower = static_cast<char>(std::tolower(static_cast<unsigned char>(letter)));
    std::string text = std::string(1, lower) + ":";
    std::string root = Root(letter);
    if (GetDriveTypeA(root.c_str()) == DRIVE_REMOTE) {
        char remote[MAX_PATH] = {};
        DWORD len = sizeof remote;
        std::string local = root.substr(0, 2);
        if (WNetGetConnectionA(local.c_str(), remote, &len) == NO_ERROR) return text + " [" + remote + "]";
        return text;
    }
    if (!DriveReady(letter)) return text;
    char label[MAX_PATH + 1] = {};
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    BOOL ok = GetVolumeInformationA(root.c_str(), label, sizeof label, nullptr, nullptr, nullptr, nullptr, 0);
    SetErrorMode(old);
    if (ok && label[0]) text += std::string(" [") + label + "]";
    return text;
}

bool DriveReady(char letter) {
    if (Probe()) return Probe()(letter);
    return PlatformReady(letter);
}

Error DriveCurrentFolder(char letter, std::string& folder) {
    if (!DriveReady(letter)) return Error{ERROR_NOT_READY, ErrorText(ERROR_NOT_READY)};
    std::string spec = Root(letter).substr(0, 2);
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetFullPathNameA(spec.c_str(), sizeof buf, buf, nullptr);
    std::string current = (n > 0 && n < sizeof buf) ? std::string(buf, n) : Root(letter);
    // Some platforms answer the current folder with a trailing ""; only a root keeps one.
    current = WithoutBackslash(current);
    // A drive can be present while its folders cannot be reached (a mapped
    // folder that was removed, a network drive that is disconnected).
    UINT old = SetErrorMode(SEM_FAILCRITICALERRORS);
    DWORD attributes = GetFileAttributesA(current.c_str());
    DWORD err = attributes == INVALID_FILE_ATTRIBUTES ? GetLastError() : 0;
    SetErrorMode(old);
    if (attributes == INVALID_FILE_ATTRIBUTES) return Error{err, ErrorText(err)};
    if (!(attributes & FILE_ATTRIBUTE_DIRECTORY)) return Error{ERROR_DIRECTORY, ErrorText(ERROR_DIRECTORY)};
    folder = current;
    return {};
}

void SetDriveReadyProbe(std::function<bool(char)> probe) { Probe() = std::move(probe); }

}  // namespace rt
