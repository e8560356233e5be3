#include "disc.h"

#include <sstream>

namespace vcd {
namespace {

// Longest description read: far more than 99 track lines need.
constexpr DWORD kMaxFileSize = 64 * 1024;
// Every position must fit the two-digit minutes of the replies.
constexpr DWORD kMaxDiscFrames = 100 * kFramesPerMinute - 1;
constexpr int kMaxTracks = 99;

const char kEnvironmentName[] = "FILETOOLS_VCD_DISC";
const char kRegistryKey[] = "Software\\Filetools\\VirtualCD";
const char kRegistryValue[] = "DiscFile";

std::string Trimmed(const std::string& s) {
    const auto first = s.find_first_not_of(" \t\r");
    if (first == std::string::npos) return "";
    return s.substr(first, s.find_last_not_of(" \t\r") - first + 1);
}

bool ReadNumber(const std::string& s, DWORD& value) {
    if (s.empty() || s.size() > 3) return false;
    value = 0;
    for (char c : s) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    return true;
}

// mm:ss:ff or mm:ss, seconds below 60 and frames below 75; 0 when it does not read.
DWORD ReadTrackLength(const std::string& line) {
    std::vector<DWORD> parts;
    std::stringstream in(line);
    std::string part;
    while (std::getline(in, part, ':')) {
        DWORD value = 0;
        if (!ReadNumber(part, value)) return 0;
        parts.push_back(value);
    }
    if (parts.size() == 2) parts.push_back(0);
    if (parts.size() != 3 || parts[1] >= 60 || parts[2] >= kFramesPerSecond) return 0;
    return parts[0] * kFramesPerMinute + parts[1] * kFramesPerSecond + parts[2];
}

bool ReadFileText(const std::string& path, std::string& text) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    const DWORD size = GetFileSize(file, nullptr);
    bool ok = size != INVALID_FILE_SIZE && size <= kMaxFileSize;
    if (ok) {
        text.assign(size, '\0');
        DWORD read = 0;
        ok = size == 0 || (ReadFile(file, text.data(), size, &read, nullptr) && read == size);
    }
    CloseHandle(file);
    return ok;
}

std::string EnvironmentDiscFile() {
    char path[MAX_PATH];
    const DWORD n = GetEnvironmentVariableA(kEnvironmentName, path, sizeof path);
    return n > 0 && n < sizeof path ? std::string(path, n) : std::string();
}

std::string RegistryDiscFile() {
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kRegistryKey, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return "";
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    DWORD type = 0;
    const LONG rc = RegQueryValueExA(key, kRegistryValue, nullptr, &type, reinterpret_cast<BYTE*>(path), &size);
    RegCloseKey(key);
    return rc == ERROR_SUCCESS && type == REG_SZ ? std::string(path) : std::string();
}

}  // namespace

DWORD Disc::totalFrames() const {
    DWORD total = 0;
    for (DWORD frames : trackFrames) total += frames;
    return total;
}

DWORD Disc::trackStart(int track) const {
    DWORD frame = kFirstTrackFrame;
    for (int i = 1; i < track; ++i) frame += trackFrames[i - 1];
    return frame;
}

int Disc::trackAt(DWORD frame) const {
    int track = 1;
    DWORD start = kFirstTrackFrame;
    for (int i = 1; i < tracks(); ++i) {
        start += trackFrames[i - 1];
        if (frame < start) break;
        track = i + 1;
    }
    return track;
}

Disc ParseDisc(const std::string& text) {
    Disc disc;
    std::stringstream in(text);
    std::string line;
    while (std::getline(in, line)) {
        line = Trimmed(line);
        if (line.empty() || line[0] == ';') continue;
        const DWORD frames = ReadTrackLength(line);
        if (frames == 0 || disc.tracks() == kMaxTracks) return {};
        disc.trackFrames.push_back(frames);
        if (disc.end() > kMaxDiscFrames) return {};
    }
    return disc;
}

Disc LoadDisc() {
    std::string path = EnvironmentDiscFile();
    if (path.empty()) path = RegistryDiscFile();
    std::string text;
    if (path.empty() || !ReadFileText(path, text)) return {};
    return ParseDisc(text);
}

}  // namespace vcd
