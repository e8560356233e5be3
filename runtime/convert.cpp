#include "rt/convert.h"

#include <oleauto.h>

#include <cmath>
#include <vector>

namespace rt {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::string LocaleText(LCTYPE type) {
    char buf[96] = {};
    int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
    return n > 0 ? std::string(buf) : std::string();
}

bool SameText(const std::string& a, const std::string& b) {
    return !a.empty() && !b.empty() && lstrcmpiA(a.c_str(), b.c_str()) == 0;
}

// The order of day, month and year in the user's short date ("dMy" for
// "dd.MM.yyyy") and the separators it uses besides the usual ones.
struct ShortDate {
    std::string order;
    std::string separators;
};

ShortDate UserShortDate() {
    ShortDate sd;
    bool quoted = false;
    for (char c : LocaleText(LOCALE_SSHORTDATE)) {
        if (c == '\'') quoted = !quoted;
        if (quoted || c == '\'') continue;
        if (c == 'd' || c == 'M' || c == 'y') {
            if (sd.order.find(c) == std::string::npos) sd.order += c;
        } else if (!IsCharAlphaNumericA(c)) {
            sd.separators += c;
        }
    }
    if (sd.order.size() != 3) {
        std::string idate = LocaleText(LOCALE_IDATE);
        sd.order = idate == "1" ? "dMy" : idate == "2" ? "yMd" : "Mdy";
    }
    return sd;
}

bool IsDateSeparator(char c, const std::string& extra) {
    return c == ' ' || c == ',' || c == '/' || c == '-' || c == '.' ||
           extra.find(c) != std::string::npos;
}

bool AllDigits(const std::string& s) {
    for (char c : s)
        if (!IsDigit(c)) return false;
    return !s.empty();
}

bool AllLetters(const std::string& s) {
    for (char c : s)
        if (!IsCharAlphaA(c)) return false;
    return !s.empty();
}

// Month from its full or abbreviated name in the user's language; 0 if none.
int MonthFromName(const std::string& name) {
    for (int m = 0; m < 12; ++m)
        if (SameText(name, LocaleText(LOCALE_SMONTHNAME1 + m)) ||
            SameText(name, LocaleText(LOCALE_SABBREVMONTHNAME1 + m)))
            return m + 1;
    return 0;
}

// One or two digits are a year of the window 1930-2029; three or four are
// the year itself, from 100 to 9999.
bool YearFrom(const std::string& digits, int& year) {
    if (digits.size() > 4) return false;
    int v = std::stoi(digits);
    if (digits.size() <= 2) {
        year = v < 30 ? 2000 + v : 1900 + v;
        return true;
    }
    year = v;
    return v >= 100;
}

bool DayOrMonthFrom(const std::string& digits, int& v) {
    if (digits.size() > 2) return false;
    v = std::stoi(digits);
    return true;
}

bool IsLeap(int y) { return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0; }

int DaysInMonth(int y, int m) {
    static const int days[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && IsLeap(y) ? 29 : days[m - 1];
}

int DayOfWeek(int y, int m, int d) {  // 0 = Sunday
    static const int offset[] = {0, 3, 2, 5, 0, 3, 5, 1, 4, 6, 2, 4};
    if (m < 3) y -= 1;
    return (y + y / 4 - y / 100 + y / 400 + offset[m - 1] + d) % 7;
}

// Three parts: numbers in the user's order, or year first when the first has
// three or four digits (ISO), or a month name with a day and a year.
bool ReadDatePart(const std::string& text, int& year, int& month, int& day) {
    ShortDate sd = UserShortDate();
    std::vector<std::string> parts;
    std::string current;
    for (char c : text + ' ') {
        if (!IsDateSeparator(c, sd.separators)) {
            current += c;
        } else if (!current.empty()) {
            parts.push_back(current);
            current.clear();
        }
    }
    if (parts.size() != 3) return false;

    std::vector<std::string> numbers;
    month = 0;
    for (const std::string& p : parts) {
        if (AllDigits(p)) {
            numbers.push_back(p);
        } else if (AllLetters(p) && month == 0) {
            month = MonthFromName(p);
            if (month == 0) return false;
        } else {
            return false;
        }
    }

    bool ok;
    if (month != 0) {
        bool yearFirst = numbers[0].size() >= 3;
        ok = YearFrom(numbers[yearFirst ? 0 : 1], year) && DayOrMonthFrom(numbers[yearFirst ? 1 : 0], day);
    } else {
        std::string order = numbers[0].size() >= 3 ? "yMd" : sd.order;
        ok = true;
        for (size_t i = 0; i < 3 && ok; ++i) {
            if (order[i] == 'y')
                ok = YearFrom(numbers[i], year);
            else
                ok = DayOrMonthFrom(numbers[i], order[i] == 'M' ? month : day);
        }
    }
    return ok && year <= 9999 && month >= 1 && month <= 12 && day >= 1 && day <= DaysInMonth(year, month);
}

bool ReadOneOrTwoDigits(const std::string& s, size_t& i, int& v) {
    size_t start = i;
    v = 0;
    while (i < s.size() && IsDigit(s[i])) {
        if (i - start == 2) return false;
        v = v * 10 + (s[i++] - '0');
    }
    return i > start;
}

// h:mm or h:mm:ss, then optionally AM or PM (or the locale's designators).
bool ReadTimePart(const std::string& s, int& hour, int& minute, int& second) {
    size_t i = 0;
    second = 0;
    if (!ReadOneOrTwoDigits(s, i, hour) || i >= s.size() || s[i++] != ':') return false;
    if (!ReadOneOrTwoDigits(s, i, minute)) return false;
    if (i < s.size() && s[i] == ':' && !ReadOneOrTwoDigits(s, ++i, second)) return false;
    if (minute > 59 || second > 59) return false;

    std::string designator = Trim(s.substr(i));
    if (designator.empty()) return hour <= 23;
    bool am = SameText(designator, "AM") || SameText(designator, LocaleText(LOCALE_S1159));
    bool pm = SameText(designator, "PM") || SameText(designator, LocaleText(LOCALE_S2359));
    if (!(am || pm) || hour > 12) return false;
    hour = hour % 12 + (pm && !am ? 12 : 0);
    return true;
}

bool ReadDate(const std::string& s, SYSTEMTIME& t) {
    std::string text = Trim(s);
    int year = 1899, month = 12, day = 30;  // a time alone lies on the date type's day zero
    int hour = 0, minute = 0, second = 0;

    // The time starts with the digits before the first colon.
    size_t timeStart = text.find(':');
    if (timeStart == std::string::npos) {
        timeStart = text.size();
    } else {
        while (timeStart > 0 && IsDigit(text[timeStart - 1])) --timeStart;
        if (!ReadTimePart(text.substr(timeStart), hour, minute, second)) return false;
    }
    std::string datePart = TrimRight(text.substr(0, timeStart));
    if (datePart.empty() && timeStart == text.size()) return false;
    if (!datePart.empty() && !ReadDatePart(datePart, year, month, day)) return false;

    t = {};
    t.wYear = static_cast<WORD>(year);
    t.wMonth = static_cast<WORD>(month);
    t.wDay = static_cast<WORD>(day);
    t.wDayOfWeek = static_cast<WORD>(DayOfWeek(year, month, day));
    t.wHour = static_cast<WORD>(hour);
    t.wMinute = static_cast<WORD>(minute);
    t.wSecond = static_cast<WORD>(second);
    return true;
}

std::string ChangedCase(const std::string& s, DWORD(WINAPI* change)(LPSTR, DWORD)) {
    std::string out = s;
    if (!out.empty()) change(out.data(), static_cast<DWORD>(out.size()));
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

std::string UCase(const std::string& s) { return ChangedCase(s, CharUpperBuffA); }
std::string LCase(const std::string& s) { return ChangedCase(s, CharLowerBuffA); }

bool IsNumeric(const std::string& s) {
    double ignored;
    return ToDouble(s, ignored);
}

// The platform's own reading of numeric text, the one the classic BASIC
// conversions use: blanks, signs, the locale's separators, exponents.
bool ToDouble(const std::string& s, double& value) {
    if (s.empty() || s.find('\0') != std::string::npos) return false;
    int n = MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
    std::wstring wide(n, L'\0');
    MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), wide.data(), n);
    double d = 0;
    if (FAILED(VarR8FromStr(wide.data(), LOCALE_USER_DEFAULT, 0, &d))) return false;
    value = d;
    return true;
}

bool RoundToLong(double value, long& result) {
    // Written so that NaN fails too; -2147483648.5 rounds to the even -2147483648.
    if (!(value >= -2147483648.5 && value < 2147483647.5)) return false;
    double whole = std::floor(value);
    double rest = value - whole;
    if (rest > 0.5 || (rest == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    result = static_cast<long>(whole);
    return true;
}

bool TextToLong(const std::string& s, long& result) {
    double d;
    return ToDouble(s, d) && RoundToLong(d, result);
}

bool IsDate(const std::string& s) {
    SYSTEMTIME ignored;
    return ReadDate(s, ignored);
}

bool ToDate(const std::string& s, SYSTEMTIME& t) { return ReadDate(s, t); }

}  // namespace rt
