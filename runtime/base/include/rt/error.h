#pragma once
// A failed step: the platform's error code and its text. Steps report failure
// through return values; nothing is thrown across a window procedure.
#include <string>

namespace rt {

struct Error {
    unsigned long number = 0;  // the platform's error code (GetLastError); 0 = none
    std::string description;   // the platform's text for it, without the trailing CR LF

    explicit operator bool() const { return number != 0; }
};

// The platform's text for an error code (FormatMessageA), trailing CR LF removed.
std::string ErrorText(unsigned long code);
// An Error for GetLastError(), captured right after the failing call; never
// number 0, even when the call left no code.
[[nodiscard]] Error LastError();
inline Error NoError() { return {}; }

}  // namespace rt
