#pragma once
// The list file: plain text, one full path per line, lines ended by CR LF.
#include <string>

namespace filelist {

// Is a line of a list file a path to take? Trimmed of blanks it must not be
// empty, and either its characters 2 and 3 are ":\" (a drive path) or its
// first two are "\\" (a network path). The untrimmed line is what is taken.
bool IsListFileLine(const std::string& line);

}  // namespace filelist
