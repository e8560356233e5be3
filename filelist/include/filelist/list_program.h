#pragma once
// The start procedure of the list programs.
#include <string>

#include "filelist/list_window.h"

namespace filelist {

// Shows the window, paints it at once, and hands a non-empty command line,
// whole, to LoadFromFile. False when the window could not be shown; the
// start failure has then been reported.
bool StartListProgram(ListWindow& window, const std::string& commandLine);

// Main of a list program: starts it with the program's command line, then
// lives on the window's events. Returns the process exit code.
int RunListProgram(ListWindow& window);

}  // namespace filelist
