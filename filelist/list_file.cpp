#include "filelist/list_file.h"

#include "rt/convert.h"

namespace filelist {

bool IsListFileLine(const std::string& line) {
    if (rt::Trim(line).empty()) return false;
    return line.compare(1, 2, ":\\") == 0 || line.compare(0, 2, "\\\\") == 0;
}

}  // namespace filelist
