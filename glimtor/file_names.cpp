#include "glimtor/file_names.h"

#include "rt/convert.h"

namespace glimtor {

std::optional<std::string> RenameTarget(const std::string& answer, const std::string& folder) {
    std::string target = rt::Trim(answer);
    if (target.empty() || target == folder) return std::nullopt;
    return target;
}

std::string BitmapNameFor(const std::string& entry) { return entry.substr(0, entry.find('.')) + ".bmp"; }

bool IsBitmapEntry(const std::string& entry) {
    return rt::UCase(entry.size() > 3 ? entry.substr(entry.size() - 3) : entry) == "BMP";
}

}  // namespace glimtor
