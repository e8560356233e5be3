#include "lumatra/modCommand.h"

#include "filelist/list_program.h"
#include "foundation/main_window.h"
#include "lumatra/frmLumatra.h"
#include "lumatra/frmSettings.h"
#include "rt/app.h"
#include "rt/error.h"
#include "rt/events.h"

namespace lumatra::modCommand {

std::int16_t intCycleDelay = 5;
std::int16_t intLoop = 0;
std::int16_t intIncludeName = 1;
std::int16_t intRandom = 0;

void SetSlideDefaults() {
    intCycleDelay = 5;
    intLoop = 0;
    intIncludeName = 1;
    intRandom = 0;
}

int Main(frmLumatra& window) {
    SetSlideDefaults();
    {
        // Loading the dialog reads the store into the settings; it is never shown here.
        frmSettings settings;
        if (!settings.Load()) {
            foundation::ShowStartFailure(rt::LastError());
            return 1;
        }
        settings.Unload();
    }
    if (!filelist::StartListProgram(window, rt::AppCommandLine())) return 1;
    return rt::RunMessageLoop();
}

}  // namespace lumatra::modCommand
