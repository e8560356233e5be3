#pragma once
// Number and date texts as the windows show them, in the user's locale.
#include <windows.h>

#include <string>

namespace rt {

// "000,000,000": at least nine digits with leading zeros, grouped in threes
// with the locale's thousands separator ("000,001,234", "1,234,567,890").
std::string FormatZeroPadded(unsigned long long n);
// "###,##0": grouped, no leading zeros ("0", "7", "1,234"); negative keeps "-".
std::string FormatCount(long long n);
// The general date: short date, a blank, long time; exactly midnight gives
// the date alone.
std::string FormatGeneralDate(const SYSTEMTIME& t);

}  // namespace rt
