#pragma once
// The names the file commands derive from the selected entry and the
// user's answers.
#include <optional>
#include <string>

namespace glimtor {

// The target of a rename: the answer without blanks around it; nothing when
// that is empty or exactly the folder (the entry cut back to its folder).
std::optional<std::string> RenameTarget(const std::string& answer, const std::string& folder);

// The name the save dialog offers: the entry up to its first "." & ".bmp";
// a name without any "." offers itself whole & ".bmp".
std::string BitmapNameFor(const std::string& entry);

// An entry ending in "BMP" in any letter case is copied byte for byte.
bool IsBitmapEntry(const std::string& entry);

}  // namespace glimtor
