#pragma once
// Text tests and conversions: numbers, dates, letter case, blanks.
#include <windows.h>

#include <string>

namespace rt {

// Blanks (spaces) removed at both ends / the left end / the right end.
std::string Trim(const std::string& s);
std::string TrimLeft(const std::string& s);
std::string TrimRight(const std::string& s);
// Upper and lower case in the system's 8-bit code page (CharUpperBuffA).
std::string UCase(const std::string& s);
std::string LCase(const std::string& s);

// Does the text read as a number: blanks around it, a sign, a decimal part
// and an exponent allowed; the locale's decimal separator; "" is not numeric.
bool IsNumeric(const std::string& s);
bool ToDouble(const std::string& s, double& value);
// Rounded to the nearest whole number, a half to the even neighbour; false
// outside the signed 32-bit range.
bool RoundToLong(double value, long& result);
// Text that is a whole number in the signed 32-bit range, after rounding.
bool TextToLong(const std::string& s, long& result);

// Does the text read as a date, optionally followed by a time h:mm[:ss] with
// an optional AM/PM (the user's short date order, ISO year-month-day, the
// user's month names; years 100 to 9999, one or two digits meaning 1930 to
// 2029)? A time alone lies on 1899-12-30, as in the classic date type.
bool IsDate(const std::string& s);
// The date read; a date without a time gives 00:00:00; milliseconds 0; the
// day of the week filled in.
bool ToDate(const std::string& s, SYSTEMTIME& t);

}  // namespace rt
