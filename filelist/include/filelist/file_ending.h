#pragma once
// A file's ending, from the first "." of its file name on; a dot in a folder
// name does not count. The rename run and the list's "Type" column both use
// it, so the column shows the ending that a rename keeps.
#include <string>

namespace filelist {

// From the first "." of the file name on, that dot included; "" when the
// file name holds none. The letter case is kept.
std::string FileEnding(const std::string& path);

// The "Type" cell: the ending without its dot, lower-cased, or "{unknown}"
// when the file name holds no ".".
std::string TypeCellText(const std::string& path);

}  // namespace filelist
