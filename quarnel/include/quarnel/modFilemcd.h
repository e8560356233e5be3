#pragma once
// The attribute run's two ways of changing a file's time stamps: copy the
// three times (created, last accessed, last written) from a master file, or
// set all three to one date. Every open is exclusive (no sharing), so a file
// that another program holds open is left alone rather than waited for.
#include <windows.h>

#include <string>

namespace quarnel {

// Copies the master's three stored times to the target unchanged. True only
// when the times were written; false when either file cannot be opened or a
// time cannot be read or written.
bool CopyFileTimes(const std::string& masterPath, const std::string& targetPath);

// Sets all three times of the file to the date, taken as local time (with
// the daylight-saving rule of that date) and stored as its UTC equivalent.
// The date's day of week and milliseconds are ignored (milliseconds become
// 0). False, without opening the file, for a date the platform cannot
// express (before 1601, impossible days); false when the file cannot be
// opened for writing or its times cannot be set.
bool SetFileTimes(const SYSTEMTIME& date, const std::string& filePath);

}  // namespace quarnel
