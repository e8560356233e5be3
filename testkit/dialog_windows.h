#pragma once
// Finding the thread's modal dialogs and the controls inside them.
#include <windows.h>

#include <string>
#include <vector>

#include "testkit/dialog_answerer.h"

namespace testkit::detail {

// The thread's modal dialogs (see dialog_answerer.h), front first.
std::vector<HWND> ModalDialogs(DWORD threadId);
// The first enabled push button with this id inside the dialog, or null.
HWND FindEnabledPushButton(HWND dialog, int id);
// Posts a mouse click on the enabled toolbar button with this caption inside
// the dialog, as the user's click comes; its command id, or 0 when none.
int ClickToolButton(HWND dialog, const std::string& caption);
// Folder picker: selects the folder; false when its tree shows no selected
// folder afterwards (the picker is still filling it).
bool SelectFolder(HWND dialog, const std::string& folder);
// The edit box of control id: the control itself or the first edit inside
// it; id 0: the dialog's first visible edit box.
HWND FindEdit(HWND dialog, int id);
// Title, message, icon and buttons, as the dialog shows them now.
SeenDialog Describe(HWND dialog);

}  // namespace testkit::detail
