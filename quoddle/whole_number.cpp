#include "quoddle/whole_number.h"

#include <cctype>

#include "rt/convert.h"

namespace quoddle {

bool ReadWholeNumber(const std::string& text, long low, long high, long& value) {
    const std::string t = rt::Trim(text);
    size_t i = (!t.empty() && (t[0] == '-' || t[0] == '+')) ? 1 : 0;
    if (i == t.size()) return false;
    long long number = 0;
    for (; i < t.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(t[i]))) return false;
        number = number * 10 + (t[i] - '0');
        if (number > 1LL << 40) return false;  // far out of any range asked for
    }
    if (t[0] == '-') number = -number;
    if (number < low || number > high) return false;
    value = static_cast<long>(number);
    return true;
}

}  // namespace quoddle
