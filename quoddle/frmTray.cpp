#include "quoddle/frmTray.h"

#include "foundation/frmAbout.h"
#include "quoddle/frmQuoddle.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "quoddle/modTrayIcon.h"
#include "quoddle/player_pictures.h"
#include "rt/app.h"
#include "rt/settings.h"

namespace quoddle {

using namespace modCommand;
using namespace modMCI32Api;

namespace {

rt::FormDesign TrayDesign() {
    rt::FormDesign d;
    d.border = rt::Border::FixedSingle;
    d.minButton = false;
    d.maxButton = false;
    d.icon = DrawDisc;
    return d;
}

void ShowPlayer() {
    frmQuoddle& player = ThePlayer();
    player.Show();
    player.SetWindowState(rt::WindowState::Normal);
}

}  // namespace

frmTray& TheTray() {
    static frmTray tray;
    return tray;
}

frmTray::frmTray()
    : rt::Form(TrayDesign()),
      mnuTrayIconMenu("mnuTrayIconMenu", {{"Restore", [this] { mnuitemRestore_Click(); }},
                                          {"Close CD", [this] { mnuitemClose_Click(); }},
                                          {"Eject CD", [this] { mnuitemEject_Click(); }},
                                          {"-", nullptr},
                                          {"About", [this] { mnuitemAbout_Click(); }},
                                          {"Cancel", nullptr},
                                          {"Quit", [this] { mnuitemQuit_Click(); }}}) {}

void frmTray::Form_Load() {
    modTrayIcon::SetupTrayIcon(hwnd(), rt::AppTitle());
    modTrayIcon::AddTrayIcon();
}

void frmTray::Form_MouseMove(int button, int shift, float x, float y) {
    (void)button;
    (void)shift;
    (void)y;
    switch (modTrayIcon::DecodeTrayMouse(x)) {
    case modTrayIcon::TrayMouse::ShowMenu: mnuTrayIconMenu.Show(hwnd()); break;
    case modTrayIcon::TrayMouse::ShowPlayer: ShowPlayer(); break;
    case modTrayIcon::TrayMouse::Nothing: break;
    }
}

void frmTray::mnuitemRestore_Click() { ShowPlayer(); }

void frmTray::mnuitemClose_Click() {
    if (InitCD() != 0) return;
    if (!IsPlaying()) CloseDoor();
    CloseAll();
}

void frmTray::mnuitemEject_Click() {
    if (InitCD() != 0) return;
    StopCD();
    OpenDoor();
    CloseAll();
}

void frmTray::mnuitemAbout_Click() {
    static foundation::frmAbout about;
    about.Show();
}

void frmTray::mnuitemQuit_Click() {
    bolMainOpen = false;
    Unload();
}

void frmTray::Form_Unload(int& cancel) {
    (void)cancel;
    modTrayIcon::RemoveTrayIcon();
    if (bolMainOpen) return;
    // With the player window closed the device is closed too (its close and
    // the menu's door items close it), and a closed device would ignore the
    // stop and the door.
    if (intStopOnExit != 0 || intEjectOnExit != 0) InitCD();
    ExitCD(intStopOnExit != 0, intEjectOnExit != 0);
    if (intSaveSettings == 1)
        SaveSettings();
    else
        rt::DeleteSetting(rt::AppTitle());
    EndProgram();
}

}  // namespace quoddle
