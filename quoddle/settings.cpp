// The player's flags and their place in the settings store.
#include "quoddle/modCommand.h"
#include "rt/app.h"
#include "rt/convert.h"
#include "rt/settings.h"

namespace quoddle::modCommand {

bool bolMainOpen = false;
short intSaveSettings = 0;
short intContinuousPlay = 1;
short intStopOnExit = 1;
short intEjectOnExit = 0;
short intTrayIcon = 0;
long lngColorCode = 0xFF00;
long lngFormHeight = 0;

const char* const kSettingsSection = "Settings";

bool TrayMode() { return intTrayIcon == 1; }

namespace {

std::string Read(const char* key) { return rt::GetSetting(rt::AppTitle(), kSettingsSection, key, ""); }

void Save(const char* key, long value) {
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, key, std::to_string(value));
}

}  // namespace

void LoadSettings() {
    intSaveSettings = 0;
    intContinuousPlay = 1;
    intStopOnExit = 1;
    intEjectOnExit = 0;
    intTrayIcon = 0;
    lngColorCode = 0xFF00;
    if (Read("Remember") != "Yes") return;
    intSaveSettings = 1;
    // A value that does not convert leaves its flag at the default.
    rt::TextToInteger(Read("ContinuousPlay"), intContinuousPlay);
    rt::TextToInteger(Read("StopOnExit"), intStopOnExit);
    rt::TextToInteger(Read("EjectOnExit"), intEjectOnExit);
    rt::TextToInteger(Read("TrayIcon"), intTrayIcon);
    rt::TextToLong(Read("ColorCode"), lngColorCode);
}

void SaveSettings() {
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, "Remember", "Yes");
    Save("ContinuousPlay", intContinuousPlay);
    Save("StopOnExit", intStopOnExit);
    Save("EjectOnExit", intEjectOnExit);
    Save("TrayIcon", intTrayIcon);
    Save("ColorCode", lngColorCode);
}

}  // namespace quoddle::modCommand
