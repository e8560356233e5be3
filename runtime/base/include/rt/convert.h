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

// Numbers and dates read from text as the classic BASIC runtime reads them,
// through the platform's own conversions in the user's locale: blanks around
// the text, a sign, the locale's separators, an exponent, "&H" and "&O"
// numbers; a fraction rounds to the nearest whole number, a half to the even
// neighbour; a value outside the type's range does not convert. "" is no
// number and no date. The result is written only when the text converts.

// Does the text read as a number (a double)?
bool IsNumeric(const std::string& s);
bool ToDouble(const std::string& s, double& value);
// The text as a 16-bit integer ("1.5" 2, "&HFF" 255, "&HFFFF" -1).
bool TextToInteger(const std::string& s, short& result);
// The text as a 32-bit integer ("99999" 99999, "&HFFFFFFFF" -1).
bool TextToLong(const std::string& s, long& result);

// Does the text read as a date, a time, or both, in any form the platform
// takes ("2/3" is Feb 3 of this year in a US locale, "13/2/2001" Feb 13)?
// A time alone lies on 1899-12-30, as in the classic date type.
bool IsDate(const std::string& s);
// The date read; a date without a time gives 00:00:00; milliseconds 0; the
// day of the week filled in.
bool ToDate(const std::string& s, SYSTEMTIME& t);

}  // namespace rt
