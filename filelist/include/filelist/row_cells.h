#pragma once
// Cells of a file-list row that come from the file itself.
#include <string>

namespace filelist {

// "A", "H", "R", "S" in that order for archive, hidden, read-only and
// system; "" when none is set or the attributes cannot be read.
std::string AttributeLetters(const std::string& path);
// The same letters for attribute bits.
std::string AttributeLettersOf(unsigned long attributes);

}  // namespace filelist
