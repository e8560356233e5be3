#pragma once
#include <string>

namespace quoddle {

// Text that is a whole number between low and high: blanks around it and a
// sign allowed; no decimals, no exponent, nothing else.
bool ReadWholeNumber(const std::string& text, long low, long high, long& value);

}  // namespace quoddle
