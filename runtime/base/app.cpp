#include "rt/app.h"

#include <windows.h>

#include <vector>

namespace rt {
namespace {

std::string ModuleFileName() {
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetModuleFileNameA(nullptr, buf, sizeof buf);
    return std::string(buf, n);
}

struct VersionResource {
    std::string title;
    std::string description;
    Version version;
};

VersionResource LoadVersionResource() {
    VersionResource r;
    std::string file = ModuleFileName();
    DWORD handle = 0;
    DWORD size = GetFileVersionInfoSizeA(file.c_str(), &handle);
    if (size == 0) return r;
    std::vector<char> data(size);
    if (!GetFileVersionInfoA(file.c_str(), 0, size, data.data())) return r;
    VS_FIXEDFILEINFO* fixed = nullptr;
    UINT len = 0;
    if (VerQueryValueA(data.data(), "\\", reinterpret_cast<void**>(&fixed), &len) && fixed) {
        r.version.major = HIWORD(fixed->dwFileVersionMS);
        r.version.minor = LOWORD(fixed->dwFileVersionMS);
        r.version.revision = HIWORD(fixed->dwFileVersionLS);
    }
    auto text = [&](const char* name) {
        std::string key = std::string("\\StringFileInfo\\040904E4\\") + name;
        char* value = nullptr;
        UINT n = 0;
        if (VerQueryValueA(data.data(), key.c_str(), reinterpret_cast<void**>(&value), &n) && value)
            return std::string(value);
        return std::string();
    };
    r.title = text("ProductName");
    r.description = text("Comments");
    return r;
}

const VersionResource& Resource() {
    static const VersionResource r = LoadVersionResource();
    return r;
}

}  // namespace

const std::string& AppTitle() { return Resource().title; }
const std::string& AppDescription() { return Resource().description; }
Version AppVersion() { return Resource().version; }

std::string AppTitleWithVersion() {
    Version v = AppVersion();
    return AppTitle() + " " + std::to_string(v.major) + "." + std::to_string(v.minor) + "." +
           std::to_string(v.revision);
}

std::string AppPath() {
    std::string file = ModuleFileName();
    size_t slash = file.find_last_of('\\');
    if (slash == std::string::npos) return file;
    std::string folder = file.substr(0, slash);
    if (folder.size() == 2 && folder[1] == ':') folder += '\\';
    return folder;
}

std::string AppExeName() {
    std::string file = ModuleFileName();
    size_t slash = file.find_last_of('\\');
    std::string name = slash == std::string::npos ? file : file.substr(slash + 1);
    size_t dot = name.find_last_of('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

std::string CommandLineAfterProgram(const std::string& raw) {
    size_t i = 0;
    if (i < raw.size() && raw[i] == '"') {
        size_t close = raw.find('"', 1);
        i = close == std::string::npos ? raw.size() : close + 1;
    } else {
        while (i < raw.size() && raw[i] != ' ' && raw[i] != '\t') ++i;
    }
    while (i < raw.size() && (raw[i] == ' ' || raw[i] == '\t')) ++i;
    return raw.substr(i);
}

std::string AppCommandLine() { return CommandLineAfterProgram(GetCommandLineA()); }

}  // namespace rt
