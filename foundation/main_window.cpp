#include "foundation/main_window.h"

#include "foundation/frmAbout.h"
#include "foundation/modWin32Api.h"
#include "rt/app.h"
#include "rt/msgbox.h"

namespace foundation {

std::string HelpPagePath() { return rt::AppPath() + "\\" + rt::AppExeName() + ".htm"; }

void MainWindow_KeyDown(rt::Form& window, int& keyCode, int shift) {
    (void)shift;  // Shift and Ctrl change nothing
    if (keyCode == VK_ESCAPE) {
        window.Unload();
        return;
    }
    // A missing page opens nothing and shows nothing.
    if (keyCode == VK_F2) modWin32Api::ShellOpen(HelpPagePath(), "", 1);
}

void MainWindow_DblClick(const rt::Form& window) {
    frmAbout about;
    about.ShowModal(&window);
}

void ShowStartFailure(const rt::Error& err) {
    rt::Beep();
    rt::MsgBox("Error loading main form: " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
}

}  // namespace foundation
