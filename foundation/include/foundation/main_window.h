#pragma once
// What every main window does alike: Escape closes it, F2 opens the
// program's help page, a double-click on its background opens the about box.
#include <string>

#include "rt/error.h"
#include "rt/form.h"

namespace foundation {

// The help page: program folder & "\" & program file name & ".htm".
std::string HelpPagePath();

// Form_KeyDown of a main window (the window has key preview on).
void MainWindow_KeyDown(rt::Form& window, int& keyCode, int shift);
// Form_DblClick of a main window: the about box, modally, centred on it.
void MainWindow_DblClick(const rt::Form& window);

// The start failure of a program: a beep and "Error loading main form: "
// with the error's description; the caller then ends the program.
void ShowStartFailure(const rt::Error& err);

}  // namespace foundation
