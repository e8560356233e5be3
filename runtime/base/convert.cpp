#include "rt/convert.h"

#include <oleauto.h>

namespace rt {
namespace {

// Text handed to one of the platform's variant conversions (oleaut32, the
// user's locale): the conversions of the classic BASIC runtime, with its
// blanks, signs, "&H" and "&O" numbers, rounding of halves to even, range
// checks and date forms. A NUL inside the text makes it no value.
template <typename T>
bool FromText(const std::string& s, HRESULT(WINAPI* convert)(OLECHAR*, LCID, ULONG, T*), T& result) {
    if (s.find('\0') != std::string::npos) return false;
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), wide.data(), n);
    T value{};
    if (FAILED(convert(wide.data(), LOCALE_USER_DEFAULT, 0, &value))) return false;
    result = value;
    return true;
}

// Each character in the other case as the user's locale maps it: what
// CharUpperBuffA and CharLowerBuffA give, without needing user32.
std::string ChangedCase(const std::string& s, DWORD mapping) {
    std::string out = s;
    const int n = static_cast<int>(out.size());
    if (n > 0) LCMapStringA(LOCALE_USER_DEFAULT, mapping, out.data(), n, out.data(), n);
    return out;
}

}  // namespace

std::string Trim(const std::string& s) { return TrimLeft(TrimRight(s)); }

std::string TrimLeft(const std::string& s) {
    size_t first = s.find_first_not_of(' ');
    return first == std::string::npos ? std::string() : s.substr(first);
}

std::string TrimRight(const std::string& s) {
    size_t last = s.find_last_not_of(' ');
    return last == std::string::npos ? std::string() : s.substr(0, last + 1);
}

std::string UCase(const std::string& s) { return ChangedCase(s, LCMAP_UPPERCASE); }
std::string LCase(const std::string& s) { return ChangedCase(s, LCMAP_LOWERCASE); }

bool IsNumeric(const std::string& s) {
    double ignored;
    return ToDouble(s, ignored);
}

bool ToDouble(const std::string& s, double& value) { return FromText(s, VarR8FromStr, value); }

bool TextToInteger(const std::string& s, short& result) { return FromText(s, VarI2FromStr, result); }

bool TextToLong(const std::string& s, long& result) { return FromText(s, VarI4FromStr, result); }

bool IsDate(const std::string& s) {
    SYSTEMTIME ignored;
    return ToDate(s, ignored);
}

bool ToDate(const std::string& s, SYSTEMTIME& t) {
    DATE date = 0;
    SYSTEMTIME read;
    if (!FromText(s, VarDateFromStr, date) || !VariantTimeToSystemTime(date, &read)) return false;
    t = read;
    return true;
}

}  // namespace rt
