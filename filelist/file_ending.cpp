#include "filelist/file_ending.h"

#include "rt/convert.h"

namespace filelist {

std::string FileEnding(const std::string& path) {
    const std::size_t lastSeparator = path.find_last_of("\\/");
    const std::size_t nameStart = lastSeparator == std::string::npos ? 0 : lastSeparator + 1;
    const std::size_t dot = path.find('.', nameStart);
    return dot == std::string::npos ? std::string() : path.substr(dot);
}

std::string TypeCellText(const std::string& path) {
    const std::string ending = FileEnding(path);
    return ending.empty() ? "{unknown}" : rt::LCase(ending.substr(1));
}

}  // namespace filelist
