#pragma once
// Texts compared ignoring letter case: the order by the platform's rules for
// the user's locale, and the equality of two names of one file.
#include <functional>
#include <string>
#include <vector>

namespace rt {

// CompareStringA with NORM_IGNORECASE in the user's locale: CSTR_LESS_THAN,
// CSTR_EQUAL or CSTR_GREATER_THAN (0 where the platform cannot compare).
int CompareIgnoringCase(const std::string& a, const std::string& b);

// The same order for many texts, found through sort keys made once per text:
// comparing two keys byte by byte gives the comparison's answer for the two
// texts, far faster than comparing them. order[i] is the index of the text
// that goes to place i; texts that compare equal keep their order.
std::vector<int> TextOrder(int count, const std::function<std::string(int index)>& textOf, bool descending = false);
// The names put in that order.
void SortIgnoringCase(std::vector<std::string>& names);

// Equal once both are upper-cased by the code page, as the file system
// matches names ("straße" and "STRASSE" are two names).
bool SameIgnoringCase(const std::string& a, const std::string& b);

}  // namespace rt
