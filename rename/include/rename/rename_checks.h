#pragma once
// The rename dialog's checks of its two fields before a run, and the
// warning on names longer than eight characters.
#include <cstddef>
#include <string>

#include "rename/rename_names.h"

namespace renamer {

enum class RenameField { None, Prefix, StartNumber };

enum class CheckOutcome {
    Proceed,    // run with settings
    AskLength,  // ask the question (Yes / No); on Yes run with settings
    Refuse,     // show the message, focus the field, stay open
};

struct RenameCheck {
    CheckOutcome outcome = CheckOutcome::Proceed;
    std::string message;  // "" on Proceed
    std::string topic;    // follows the program title in the box's title
    RenameField focus = RenameField::None;
    RenameSettings settings;  // filled unless refused
};

// Checks the typed prefix and starting number, in this order: prefix present,
// its first character a letter or one of "~!@#$%^&()-_{}[]", not starting
// with "rn~" in any case, the starting number numeric and within the signed
// 32-bit range once rounded. Then the warning when prefix and number (as
// typed, or the last row's) come to more than eight characters.
RenameCheck CheckRenameInput(const std::string& prefixText, const std::string& startText, std::size_t rowCount);

}  // namespace renamer
