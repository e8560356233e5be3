#include "rt/format.h"

namespace rt {
namespace {

std::string LocaleText(LCTYPE type) {
    char buf[16] = {};
    int n = GetLocaleInfoA(LOCALE_USER_DEFAULT, type, buf, sizeof buf);
    return n > 0 ? std::string(buf) : std::string();
}

// Digits grouped in threes from the right with the locale's thousands separator.
std::string Grouped(const std::string& digits) {
    const std::string separator = LocaleText(LOCALE_STHOUSAND);
    std::string out;
    out.reserve(digits.size() + digits.size() / 3 * separator.size());
    for (size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

}  // namespace

std::string FormatZeroPadded(unsigned long long n) {
    std::string digits = std::to_string(n);
    if (digits.size() < 9) digits.insert(0, 9 - digits.size(), '0');
    return Grouped(digits);
}

std::string FormatCount(long long n) {
    // Through unsigned so that the most negative value has a magnitude too.
    unsigned long long magnitude = n < 0 ? 0ULL - static_cast<unsigned long long>(n) : n;
    return (n < 0 ? "-" : "") + Grouped(std::to_string(magnitude));
}

std::string FormatGeneralDate(const SYSTEMTIME& t) {
    char date[128] = {};
    if (GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, date, sizeof date) == 0)
        return "";
    if (t.wHour == 0 && t.wMinute == 0 && t.wSecond == 0) return date;
    char time[128] = {};
    if (GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &t, nullptr, time, sizeof time) == 0) return date;
    return std::string(date) + " " + time;
}

}  // namespace rt
