#include "rt/files.h"

#include <cstring>
#include <cwchar>

#include "rt/paths.h"
#include "rt/text_compare.h"

namespace rt {
namespace {

// Hidden, system and folder entries each need their bit in the filter; an
// entry with several of them needs all of its bits (a hidden folder: 2 + 16).
bool Allowed(DWORD attributes, unsigned filter) {
    const DWORD selective = FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY;
    return (attributes & selective & ~static_cast<DWORD>(filter)) == 0;
}

// The name as the platform's 8-bit listing spells it, and whether a path
// ending in that spelling reaches the entry itself: a name the code page
// cannot hold comes out changed (a "?" or a near letter, which may name
// another file), and paths drop a name's trailing blanks and full stops.
bool NarrowName(const wchar_t* wide, std::string& name) {
    name.clear();
    const wchar_t* p = wide;
    for (; *p && *p < 0x80; ++p) name.push_back(static_cast<char>(*p));
    bool exact = true;
    if (*p) {
        int n = WideCharToMultiByte(CP_ACP, 0, wide, -1, nullptr, 0, nullptr, nullptr);
        name.assign(n > 0 ? static_cast<size_t>(n) : 1, '\0');
        WideCharToMultiByte(CP_ACP, 0, wide, -1, name.data(), n, nullptr, nullptr);
        name.resize(name.size() - 1);
        std::wstring back(name.size() + 1, L'\0');
        int m = MultiByteToWideChar(CP_ACP, 0, name.c_str(), -1, back.data(), static_cast<int>(back.size()));
        exact = m > 0 && std::wcscmp(back.c_str(), wide) == 0;
    }
    const bool dots = name == "." || name == "..";
    if (!dots && !name.empty() && (name.back() == ' ' || name.back() == '.')) exact = false;
    return exact;
}

DirEntry ToEntry(const WIN32_FIND_DATAW& data) {
    DirEntry e;
    e.exactName = NarrowName(data.cFileName, e.name);
    e.attributes = data.dwFileAttributes;
    e.size = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    e.lastWrite = data.ftLastWriteTime;
    return e;
}

// Calls onEntry(data) for each allowed entry until it returns false. The one
// find handle is closed before returning, whatever onEntry does. The listing
// reads the names as the platform holds them, to tell which 8-bit spellings
// reach their entry.
template <class OnEntry>
void ForEachEntry(const std::string& pattern, unsigned filter, OnEntry onEntry) {
    if (!NameablePath(pattern)) return;
    int n = MultiByteToWideChar(CP_ACP, 0, pattern.c_str(), -1, nullptr, 0);
    if (n <= 0) return;
    std::wstring widePattern(static_cast<size_t>(n), L'\0');
    MultiByteToWideChar(CP_ACP, 0, pattern.c_str(), -1, widePattern.data(), n);
    WIN32_FIND_DATAW data;
    HANDLE find = FindFirstFileW(widePattern.c_str(), &data);
    if (find == INVALID_HANDLE_VALUE) return;
    struct Closer {
        HANDLE h;
        ~Closer() { FindClose(h); }
    } closer{find};
    do {
        if (Allowed(data.dwFileAttributes, filter) && !onEntry(data)) return;
    } while (FindNextFileW(find, &data));
}

bool Standard(const std::string& path, WIN32_FILE_ATTRIBUTE_DATA& data) {
    return NameablePath(path) && GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data) != 0;
}

Error ErrorIfFailed(BOOL ok) { return ok ? NoError() : LastError(); }

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (valid()) CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }

private:
    HANDLE h_;
};

constexpr DWORD kChunk = 64 * 1024;

// Collects writes into large blocks; remembers the first failure and writes
// nothing after it.
class BufferedWriter {
public:
    explicit BufferedWriter(HANDLE h) : h_(h) { buffer_.reserve(kChunk); }
    void put(const char* p, size_t n) {
        if (buffer_.size() + n > kChunk) flush();
        if (n >= kChunk)
            writeAll(p, n);
        else
            buffer_.append(p, n);
    }
    void flush() {
        writeAll(buffer_.data(), buffer_.size());
        buffer_.clear();
    }
    const Error& error() const { return error_; }

private:
    void writeAll(const char* p, size_t n) {
        while (n > 0 && !error_) {
            DWORD part = n > kChunk ? kChunk : static_cast<DWORD>(n);
            DWORD written = 0;
            if (!WriteFile(h_, p, part, &written, nullptr))
                error_ = LastError();
            else if (written == 0)
                error_ = {ERROR_WRITE_FAULT, ErrorText(ERROR_WRITE_FAULT)};
            p += written;
            n -= written;
        }
    }
    HANDLE h_;
    std::string buffer_;
    Error error_;
};

// A rename that changes only letter case goes through a temporary name: some
// file systems report success for it and keep the old spelling.
bool OnlyCaseDiffers(const std::string& from, const std::string& to) {
    return from != to && SameIgnoringCase(from, to);
}

// The error of the first of two paths that cannot be named.
Error PathsError(const std::string& from, const std::string& to) {
    Error e = PathError(from);
    return e ? e : PathError(to);
}

Error Move(const std::string& from, const std::string& to) {
    if (Error e = PathsError(from, to)) return e;
    return ErrorIfFailed(MoveFileA(from.c_str(), to.c_str()));
}

Error RenameViaTemporary(const std::string& from, const std::string& to) {
    std::string temporary = from + ".~rn" + std::to_string(GetCurrentProcessId());
    if (Error e = Move(from, temporary)) return e;
    Error e = Move(temporary, to);
    if (e) Move(temporary, from);
    return e;
}

}  // namespace

bool NameablePath(const std::string& path) {
    return path.size() <= kLongestPath && path.find('\0') == std::string::npos;
}

Error PathError(const std::string& path) {
    if (path.size() > kLongestPath) return {ERROR_FILENAME_EXCED_RANGE, ErrorText(ERROR_FILENAME_EXCED_RANGE)};
    if (path.find('\0') != std::string::npos) return {ERROR_INVALID_NAME, ErrorText(ERROR_INVALID_NAME)};
    return NoError();
}

std::vector<DirEntry> ListDirectory(const std::string& pattern, unsigned filter) {
    std::vector<DirEntry> entries;
    ForEachEntry(pattern, filter, [&](const WIN32_FIND_DATAW& data) {
        entries.push_back(ToEntry(data));
        return true;
    });
    return entries;
}

bool ListingFinds(const std::string& pattern, unsigned filter) {
    bool found = false;
    ForEachEntry(pattern, filter, [&](const WIN32_FIND_DATAW&) {
        found = true;
        return false;
    });
    return found;
}

bool ListingSpeaksFor(const std::string& folder, const DirEntry& entry) {
    return entry.exactName && folder.size() + entry.name.size() <= kLongestPath;
}

bool IdentityOf(const std::string& path, FileIdentity& identity) {
    // A folder's path may end in "\\"; a root keeps it.
    const std::string name = WithoutBackslash(path);
    if (!NameablePath(name)) return false;
    // No access asked for: only the handle's facts are read.
    Handle h(CreateFileA(name.c_str(), 0, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    BY_HANDLE_FILE_INFORMATION info;
    if (!h.valid() || !GetFileInformationByHandle(h.get(), &info)) return false;
    identity = {info.dwVolumeSerialNumber, info.nFileIndexHigh, info.nFileIndexLow};
    return true;
}

bool FileLength(const std::string& path, unsigned long long& length) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    if (!Standard(path, data)) return false;
    length = (static_cast<unsigned long long>(data.nFileSizeHigh) << 32) | data.nFileSizeLow;
    return true;
}

bool FileAttributes(const std::string& path, DWORD& attributes) {
    if (!NameablePath(path)) return false;
    DWORD a = GetFileAttributesA(path.c_str());
    if (a == INVALID_FILE_ATTRIBUTES) return false;
    attributes = a;
    return true;
}

bool FileModified(const std::string& path, SYSTEMTIME& local) {
    WIN32_FILE_ATTRIBUTE_DATA data;
    return Standard(path, data) && ToLocalTime(data.ftLastWriteTime, local);
}

bool ToLocalTime(const FILETIME& utc, SYSTEMTIME& local) {
    // Reading the active time zone costs more than the conversion: a list
    // shows or sorts thousands of times at once, so it is read again only
    // once a second has passed.
    static TIME_ZONE_INFORMATION zone;
    static DWORD zoneReadAt;
    static bool zoneRead = false;
    if (!zoneRead || GetTickCount() - zoneReadAt >= 1000) {
        zoneRead = GetTimeZoneInformation(&zone) != TIME_ZONE_ID_INVALID;
        zoneReadAt = GetTickCount();
    }
    SYSTEMTIME system;
    // The time zone's rule for that date, not today's offset: a summer file
    // keeps its summer time when viewed in winter.
    return FileTimeToSystemTime(&utc, &system) &&
           SystemTimeToTzSpecificLocalTime(zoneRead ? &zone : nullptr, &system, &local);
}

Error SetAttributes(const std::string& path, DWORD attributes) {
    // Where read-only is kept as the file's write permission, a file made
    // read-only first can no longer take hidden or system (and the call still
    // reports success): set the others first, read-only last.
    if (Error e = PathError(path)) return e;
    const DWORD others = attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY);
    if (others != attributes && !SetFileAttributesA(path.c_str(), others ? others : FILE_ATTRIBUTE_NORMAL))
        return LastError();
    return ErrorIfFailed(SetFileAttributesA(path.c_str(), attributes ? attributes : FILE_ATTRIBUTE_NORMAL));
}

Error RenameFile(const std::string& from, const std::string& to) {
    if (OnlyCaseDiffers(from, to)) return RenameViaTemporary(from, to);
    return Move(from, to);
}

Error DeleteFileAt(const std::string& path) {
    if (Error e = PathError(path)) return e;
    return ErrorIfFailed(DeleteFileA(path.c_str()));
}

Error CopyFileTo(const std::string& from, const std::string& to) {
    if (Error e = PathsError(from, to)) return e;
    return ErrorIfFailed(CopyFileA(from.c_str(), to.c_str(), FALSE));
}

Error ReadTextLines(const std::string& path, const std::function<void(const std::string&)>& onLine) {
    if (Error e = PathError(path)) return e;
    Handle file(CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_FLAG_SEQUENTIAL_SCAN, nullptr));
    if (!file.valid()) return LastError();
    std::string chunk(kChunk, '\0');
    std::string line;
    bool skipLineFeed = false;  // the previous chunk ended in a carriage return
    DWORD got = 0;
    while (ReadFile(file.get(), chunk.data(), kChunk, &got, nullptr) && got > 0) {
        const char* p = chunk.data();
        const char* end = p + got;
        if (skipLineFeed && *p == '\n') ++p;
        skipLineFeed = false;
        while (p < end) {
            const char* cr = static_cast<const char*>(std::memchr(p, '\r', end - p));
            if (!cr) {
                line.append(p, end);
                break;
            }
            line.append(p, cr);
            onLine(line);
            line.clear();
            p = cr + 1;
            if (p == end)
                skipLineFeed = true;
            else if (*p == '\n')
                ++p;
        }
    }
    if (!line.empty()) onLine(line);
    return NoError();
}

Error WriteTextLines(const std::string& path, const std::vector<std::string>& lines) {
    // OPEN_ALWAYS, not CREATE_ALWAYS: replacing a hidden or system file with
    // CREATE_ALWAYS is refused; the old content is cut off after writing.
    if (Error e = PathError(path)) return e;
    Handle file(CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return LastError();
    BufferedWriter out(file.get());
    for (const std::string& line : lines) {
        out.put(line.data(), line.size());
        out.put("\r\n", 2);
    }
    out.flush();
    if (out.error()) return out.error();
    return ErrorIfFailed(SetEndOfFile(file.get()));
}

}  // namespace rt
