#include "rename/rename_checks.h"

#include "rename/modCommand.h"
#include "rt/convert.h"

namespace renamer {
namespace {

const char kAllowedFirstSymbols[] = "~!@#$%^&()-_{}[]";
constexpr std::size_t kDosNameLength = 8;

RenameCheck Refused(const char* message, const char* topic, RenameField focus) {
    RenameCheck c;
    c.outcome = CheckOutcome::Refuse;
    c.message = message;
    c.topic = topic;
    c.focus = focus;
    return c;
}

bool StartsWithAllowedCharacter(const std::string& prefix) {
    std::string first = prefix.substr(0, 1);
    return ValidateText(first, false, true, false, false, kAllowedFirstSymbols);
}

// Numeric, and a whole number in the signed 32-bit range once rounded.
bool StartNumber(const std::string& text, long& start) { return rt::IsNumeric(text) && rt::TextToLong(text, start); }

}  // namespace

RenameCheck CheckRenameInput(const std::string& prefixText, const std::string& startText, std::size_t rowCount) {
    const std::string prefix = rt::Trim(prefixText);
    if (prefix.empty())
        return Refused("A file name prefix is required.", " : Prefix Required", RenameField::Prefix);
    if (!StartsWithAllowedCharacter(prefix))
        return Refused("Invalid prefix name, cannot start with a number or symbol.", " : Invalid Prefix",
                       RenameField::Prefix);
    if (rt::LCase(prefix.substr(0, 3)) == "rn~")
        return Refused("Illegal prefix name, [rn~] is reserved.", " : Error", RenameField::Prefix);
    long start;
    if (!StartNumber(startText, start))
        return Refused("Invalid starting number, a number is required.", " : Starting Number Required",
                       RenameField::StartNumber);

    RenameCheck c;
    c.settings = {prefix, start, rt::Trim(startText).size()};
    // The last number is counted in 64 bits: start plus the rows may pass the 32-bit range.
    const long long last = static_cast<long long>(start) + static_cast<long long>(rowCount) - 1;
    const std::size_t lastLength = NumberText(last, 0).size();
    if (prefix.size() + c.settings.width > kDosNameLength || prefix.size() + lastLength > kDosNameLength) {
        c.outcome = CheckOutcome::AskLength;
        c.message = "You will exceed the 8 chearacter DOS limit.\n\nDo you wish to continue?";
        c.topic = " : Max Limit";
    }
    return c;
}

}  // namespace renamer
