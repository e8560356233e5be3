#include "rt/text_compare.h"

#include <windows.h>

#include "rt/convert.h"

namespace rt {

int CompareIgnoringCase(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size()));
}

bool SameIgnoringCase(const std::string& a, const std::string& b) { return UCase(a) == UCase(b); }

}  // namespace rt
