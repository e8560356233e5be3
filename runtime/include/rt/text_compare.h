#pragma once
// Texts compared ignoring letter case: the order by the platform's rules for
// the user's locale, and the equality of two names of one file.
#include <string>

namespace rt {

// CompareStringA with NORM_IGNORECASE in the user's locale: CSTR_LESS_THAN,
// CSTR_EQUAL or CSTR_GREATER_THAN (0 where the platform cannot compare).
int CompareIgnoringCase(const std::string& a, const std::string& b);
// Equal once both are upper-cased by the code page, as the file system
// matches names ("straße" and "STRASSE" are two names).
bool SameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace rt
