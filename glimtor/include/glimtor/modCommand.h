#pragma once
// glimtor's start: a picture named on the command line opens only the
// viewer; anything else opens the main window.
#include <string>

#include "glimtor/frmGlimtor.h"
#include "glimtor/frmMiniGlimtor.h"

namespace glimtor::modCommand {

// Shows the viewer or the main window for this command line (whole, as the
// platform hands it over). False when the start failed; the failure has
// then been reported and the program ends.
bool Start(glimtor::frmGlimtor& main, glimtor::frmMiniGlimtor& viewer, const std::string& commandLine);

// The program's entry: starts, then lives on the windows' events.
int Main();

}  // namespace glimtor::modCommand
