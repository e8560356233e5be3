#pragma once
// The tray form: loaded but never shown, it owns the notification-area icon.
// A left press on the icon shows the player window, a right press opens the
// tray menu. Unloading it removes the icon and, with the player window
// closed, ends the program.
#include "rt/form.h"
#include "rt/popup_menu.h"

namespace quoddle {

class frmTray : public rt::Form {
public:
    frmTray();

    rt::PopupMenu mnuTrayIconMenu;

    void mnuitemRestore_Click();
    void mnuitemClose_Click();
    void mnuitemEject_Click();
    void mnuitemAbout_Click();
    void mnuitemQuit_Click();

protected:
    void Form_Load() override;
    // The icon's mouse messages, which the shell sends as WM_MOUSEMOVE.
    void Form_MouseMove(int button, int shift, float x, float y) override;
    void Form_Unload(int& cancel) override;
};

// The program's one tray form, made on first use.
frmTray& TheTray();

}  // namespace quoddle
