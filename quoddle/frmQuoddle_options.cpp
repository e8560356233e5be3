// The player window's option boxes: they change the shared flags at once;
// the tray box loads or unloads the tray form, the default-player box
// switches the shell's play commands.
#include "quoddle/default_player.h"
#include "quoddle/frmQuoddle.h"
#include "quoddle/frmTray.h"
#include "quoddle/modCommand.h"

namespace quoddle {

using namespace modCommand;

void frmQuoddle::chkContinuousPlay_Click() { intContinuousPlay = static_cast<short>(chkContinuousPlay.Value()); }

void frmQuoddle::chkStopOnExit_Click() { intStopOnExit = static_cast<short>(chkStopOnExit.Value()); }

void frmQuoddle::chkEjectOnExit_Click() { intEjectOnExit = static_cast<short>(chkEjectOnExit.Value()); }

void frmQuoddle::chkSaveSettings_Click() { intSaveSettings = static_cast<short>(chkSaveSettings.Value()); }

void frmQuoddle::chkTrayIcon_Click() {
    if (chkTrayIcon.Value() == 1) {
        btnExit.SetCaption("E&xit");
        btnExit.SetToolTip("Exit Player");
        // In tray mode the start has loaded the tray form already.
        if (!TrayMode()) {
            intTrayIcon = 1;
            TheTray().Load();
        }
        return;
    }
    btnExit.SetCaption("&Quit");
    btnExit.SetToolTip("Quit Program");
    if (TrayMode()) {
        intTrayIcon = 0;
        TheTray().Unload();
    }
}

void frmQuoddle::chkDefaultPlayer_Click() {
    if (!defaultPlayer::CanSwitch()) {
        chkDefaultPlayer.SetEnabled(false);
        return;
    }
    defaultPlayer::WriteCommands(chkDefaultPlayer.Value() == 1);
}

}  // namespace quoddle
