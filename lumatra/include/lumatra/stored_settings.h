#pragma once
// The slide-show settings as the store keeps them: under the program title,
// section "Settings", each value the decimal text of a control's value.
#include <optional>
#include <string>

namespace lumatra {

// The value a control is given from a stored key: the stored text read as a
// number and rounded to a whole one (a half to the even neighbour); the
// default when the key is missing. Nothing when the stored value is not a
// number, not text, or outside min to max (what the control accepts): the
// control then keeps its design value.
std::optional<int> StoredControlValue(const std::string& key, int defaultValue, int min, int max);

// Stores the value under key as decimal text.
void StoreControlValue(const std::string& key, int value);

// Removes the whole section (every key).
void DeleteStoredSettings();

}  // namespace lumatra
