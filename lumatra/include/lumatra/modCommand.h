#pragma once
// lumatra's start procedure and its four slide-show settings, alive for the
// whole run; the show reads them, Main and the settings dialog write them.
#include <cstdint>

namespace lumatra {

class frmLumatra;

namespace modCommand {

extern std::int16_t intCycleDelay;   // seconds per picture, 1 to 30
extern std::int16_t intLoop;         // 1: start again after the last picture
extern std::int16_t intIncludeName;  // 1: the path and key help on the show
extern std::int16_t intRandom;       // 1: random order with repeats, no end

// The defaults a run starts from: 5 seconds, list order, no loop, name shown.
void SetSlideDefaults();

// Sets the defaults, takes the stored settings over them, then starts the
// list window with the command line. Returns the process exit code.
int Main(frmLumatra& window);

}  // namespace modCommand
}  // namespace lumatra
