#include "quarnel/modFilemcd.h"

#include "rt/files.h"

namespace quarnel {
namespace {

struct FileTimes {
    FILETIME creation{};
    FILETIME lastAccess{};
    FILETIME lastWrite{};
};

// Exclusive open of an existing file: share mode 0, no flags, no template.
HANDLE OpenExclusive(const std::string& path, DWORD access, SECURITY_ATTRIBUTES& security) {
    if (!rt::NameablePath(path)) return INVALID_HANDLE_VALUE;
    return CreateFileA(path.c_str(), access, 0, &security, OPEN_EXISTING, 0, nullptr);
}

bool WriteTimes(const std::string& path, SECURITY_ATTRIBUTES& security, const FileTimes& times) {
    HANDLE target = OpenExclusive(path, GENERIC_WRITE, security);
    if (target == INVALID_HANDLE_VALUE) return false;
    const bool written = SetFileTime(target, &times.creation, &times.lastAccess, &times.lastWrite) != 0;
    CloseHandle(target);
    return written;
}

// A date the platform can express (from 1601 on) and a day that exists: the
// conversion must give back the very fields it was given, since some systems
// roll a 29 February of a common year over into March.
bool IsStorableDate(const SYSTEMTIME& date) {
    FILETIME f;
    SYSTEMTIME back;
    return SystemTimeToFileTime(&date, &f) && FileTimeToSystemTime(&f, &back) && back.wYear == date.wYear &&
           back.wMonth == date.wMonth && back.wDay == date.wDay && back.wHour == date.wHour &&
           back.wMinute == date.wMinute && back.wSecond == date.wSecond;
}

constexpr DWORD kSecurityAttributesLength = sizeof(SECURITY_ATTRIBUTES);
#ifndef _WIN64
static_assert(kSecurityAttributesLength == 12, "the 32-bit record");
#endif

}  // namespace

bool CopyFileTimes(const std::string& masterPath, const std::string& targetPath) {
    SECURITY_ATTRIBUTES security{};
    HANDLE master = OpenExclusive(masterPath, GENERIC_READ, security);
    if (master == INVALID_HANDLE_VALUE) {
        // The record goes first with every field 0; one retry with its length
        // filled in, and no third attempt.
        security.nLength = kSecurityAttributesLength;
        master = OpenExclusive(masterPath, GENERIC_READ, security);
    }
    if (master == INVALID_HANDLE_VALUE) return false;

    FileTimes times;
    const bool read = GetFileTime(master, &times.creation, &times.lastAccess, &times.lastWrite) != 0;
    CloseHandle(master);
    return read && WriteTimes(targetPath, security, times);
}

bool SetFileTimes(const SYSTEMTIME& date, const std::string& filePath) {
    SYSTEMTIME local{};
    local.wYear = date.wYear;
    local.wMonth = date.wMonth;
    local.wDayOfWeek = 0;
    local.wDay = date.wDay;
    local.wHour = date.wHour;
    local.wMinute = date.wMinute;
    local.wSecond = date.wSecond;
    local.wMilliseconds = 0;

    if (!IsStorableDate(local)) return false;
    // The typed date is local time; the zone's rule for that very date gives
    // its UTC, so a summer date keeps its summer offset when typed in winter.
    SYSTEMTIME utc;
    FILETIME stamp;
    if (!TzSpecificLocalTimeToSystemTime(nullptr, &local, &utc) || !SystemTimeToFileTime(&utc, &stamp))
        return false;

    SECURITY_ATTRIBUTES security{};
    return WriteTimes(filePath, security, FileTimes{stamp, stamp, stamp});
}

}  // namespace quarnel
