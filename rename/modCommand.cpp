#include "rename/modCommand.h"

#include <algorithm>

#include "rt/convert.h"

namespace renamer {
namespace {

bool IsDigitCode(unsigned char c) { return c >= 48 && c <= 57; }
bool IsLetterCode(unsigned char c) { return c >= 65 && c <= 90; }
bool IsSymbolCode(unsigned char c) { return c != 32 && !IsDigitCode(c) && !IsLetterCode(c); }

}  // namespace

bool ValidateText(std::string& strText, bool bolNumbers, bool bolLetters, bool bolSpaces, bool bolSymbols,
                  const std::string& strSymbols) {
    strText = rt::Trim(strText);
    const std::string upper = rt::UCase(strText);
    const auto any = [&upper](auto test) {
        return std::any_of(upper.begin(), upper.end(), [&](char c) { return test(static_cast<unsigned char>(c)); });
    };
    if (!bolSpaces && upper.find(' ') != std::string::npos) return false;
    if (!bolNumbers && any(IsDigitCode)) return false;
    if (!bolLetters && any(IsLetterCode)) return false;
    // The list is compared with the upper-cased code as it is written.
    const auto unlisted = [&strSymbols](unsigned char c) {
        return IsSymbolCode(c) && strSymbols.find(static_cast<char>(c)) == std::string::npos;
    };
    if (!bolSymbols && any(unlisted)) return false;
    return true;
}

}  // namespace renamer
