#pragma once
// Character-class check of a text, as the rename dialog's prefix test uses it.
#include <string>

namespace renamer {

// Trims strText in place (blanks at both ends), then returns false as soon as
// it holds a class of character that is not allowed: spaces, digits, letters
// or symbols. Classes go by each character's code in the 8-bit code page
// after upper-casing; every code from 0 to 47, 58 to 64 and above 90 is a
// symbol (blanks aside), unless strSymbols lists that very code.
bool ValidateText(std::string& strText, bool bolNumbers, bool bolLetters, bool bolSpaces, bool bolSymbols,
                  const std::string& strSymbols);

}  // namespace renamer
