#include "glimtor/modCommand.h"

#include "foundation/main_window.h"
#include "glimtor/file_exists.h"
#include "rt/app.h"
#include "rt/error.h"
#include "rt/events.h"

namespace glimtor::modCommand {

bool Start(glimtor::frmGlimtor& main, glimtor::frmMiniGlimtor& viewer, const std::string& commandLine) {
    if (modWin32Api::FileExists(commandLine)) {
        viewer.Show();
        if (viewer.imgMiniPreview.HasPicture()) return true;
        // Not a picture after all: the main window opens without a word.
        viewer.Unload();
    }
    main.Show();
    if (!main.IsLoaded()) {
        foundation::ShowStartFailure(rt::LastError());
        return false;
    }
    main.Refresh();
    return true;
}

int Main() {
    glimtor::frmGlimtor main;
    glimtor::frmMiniGlimtor viewer(main, rt::AppCommandLine());
    if (!Start(main, viewer, rt::AppCommandLine())) return 1;
    return rt::RunMessageLoop();
}

}  // namespace glimtor::modCommand
