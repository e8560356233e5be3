// The player's flags and their place in the settings store.
#include <climits>

#include "quoddle/modCommand.h"
#include "quoddle/whole_number.h"
#include "rt/app.h"
#include "rt/settings.h"

namespace modCommand {

bool bolMainOpen = false;
short intSaveSettings = 0;
short intContinuousPlay = 1;
short intStopOnExit = 1;
short intEjectOnExit = 0;
short intTrayIcon = 0;
long lngColorCode = 0xFF00;
long lngFormHeight = 0;

const char* const kSettingsSection = "Settings";

namespace {

std::string Read(const char* key) { return rt::GetSetting(rt::AppTitle(), kSettingsSection, key, ""); }

void Save(const char* key, long value) {
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, key, std::to_string(value));
}

void ReadFlag(const char* key, short& flag) {
    long value = 0;
    if (quoddle::ReadWholeNumber(Read(key), SHRT_MIN, SHRT_MAX, value)) flag = static_cast<short>(value);
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
    ReadFlag("ContinuousPlay", intContinuousPlay);
    ReadFlag("StopOnExit", intStopOnExit);
    ReadFlag("EjectOnExit", intEjectOnExit);
    ReadFlag("TrayIcon", intTrayIcon);
    long colour = 0;
    if (quoddle::ReadWholeNumber(Read("ColorCode"), LONG_MIN, LONG_MAX, colour)) lngColorCode = colour;
}

void SaveSettings() {
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, "Remember", "Yes");
    Save("ContinuousPlay", intContinuousPlay);
    Save("StopOnExit", intStopOnExit);
    Save("EjectOnExit", intEjectOnExit);
    Save("TrayIcon", intTrayIcon);
    Save("ColorCode", lngColorCode);
}

}  // namespace modCommand
