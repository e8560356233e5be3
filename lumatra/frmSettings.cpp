#include "lumatra/frmSettings.h"

#include "filelist/list_pictures.h"
#include "lumatra/modCommand.h"
#include "lumatra/stored_settings.h"

namespace lumatra {

namespace {
rt::FormDesign SettingsDesign() {
    rt::FormDesign d = rt::DialogDesign("Settings", 2910, 2910, rt::Border::FixedSingle);
    d.keyPreview = false;  // no key handler of its own
    return d;
}

// A check box holds 0, 1 or 2 (greyed).
constexpr int kBoxMin = 0;
constexpr int kBoxMax = 2;

void LoadBox(rt::CheckBox& box, const char* key, int defaultValue) {
    if (auto v = StoredControlValue(key, defaultValue, kBoxMin, kBoxMax)) box.SetValue(*v);
}
}  // namespace

frmSettings::frmSettings()
    : rt::Form(SettingsDesign()),
      HScroll_Delay(rt::ScrollBarKind::Horizontal),
      tbMain({{"Cancel", "Cancel", "Cancel", filelist::DrawCancel, true},
              {"Apply", "Apply", "Apply Settings", filelist::DrawApply, true}}) {
    // left, top, width, height, caption, tab index
    Place(lblDelay, {180, 180, 1455, 195, "Cycle Delay:", 5});
    Place(HScroll_Delay, {180, 420, 2415, 195, "", 0});
    Place(chkLoop, {180, 840, 2475, 195, "Continuous Loop", 1});
    Place(chkFileName, {180, 1140, 2475, 195, "Include Name on Slide Show", 2});
    Place(chkRandom, {180, 1440, 2475, 195, "Randomize Slide Show", 3});
    Place(chkSave, {180, 1740, 2475, 195, "Save Settings Upon Exit", 4});
    Place(frameSep, {0, 2160, 2955, 75, "", 7});
    Place(tbMain, {0, 2310, 2910, 600, ""});

    // The bar's design, set before its events are wired: 1 to 30, at 1.
    HScroll_Delay.SetMax(30);
    HScroll_Delay.SetMin(1);
    HScroll_Delay.SetValue(1);
    HScroll_Delay.SetSmallChange(1);
    HScroll_Delay.SetLargeChange(1);

    HScroll_Delay.Change = [this] { HScroll_Delay_Change(); };
    HScroll_Delay.Scroll = [this] { HScroll_Delay_Scroll(); };
    tbMain.ButtonClick = [this](const rt::ToolButton& b) { tbMain_ButtonClick(b); };
}

void frmSettings::Form_Load() { LoadSlideSettings(); }

void frmSettings::HScroll_Delay_Change() {
    lblDelay.SetCaption("Cycle Delay: " + std::to_string(HScroll_Delay.Value()));
}

void frmSettings::HScroll_Delay_Scroll() { HScroll_Delay_Change(); }

void frmSettings::tbMain_ButtonClick(const rt::ToolButton& button) {
    if (button.tag == "Apply") ApplySlideSettings();
    Unload();
}

// The settings always hold values the controls accepted.
void frmSettings::TakeSettingsFromControls() {
    using namespace modCommand;
    intCycleDelay = static_cast<std::int16_t>(HScroll_Delay.Value());
    intLoop = static_cast<std::int16_t>(chkLoop.Value());
    intIncludeName = static_cast<std::int16_t>(chkFileName.Value());
    intRandom = static_cast<std::int16_t>(chkRandom.Value());
}

// A stored value that a control refuses leaves that control at its design
// value, and the setting then takes that value.
void frmSettings::LoadSlideSettings() {
    using namespace modCommand;
    if (auto v = StoredControlValue("CycleDelay", intCycleDelay, HScroll_Delay.Min(), HScroll_Delay.Max()))
        HScroll_Delay.SetValue(*v);
    LoadBox(chkLoop, "Loop", intLoop);
    LoadBox(chkFileName, "IncludeName", intIncludeName);
    LoadBox(chkRandom, "Random", intRandom);
    LoadBox(chkSave, "Save", 0);
    TakeSettingsFromControls();
}

void frmSettings::ApplySlideSettings() {
    TakeSettingsFromControls();
    if (chkSave.Value() == 1) {
        StoreControlValue("CycleDelay", HScroll_Delay.Value());
        StoreControlValue("Loop", chkLoop.Value());
        StoreControlValue("IncludeName", chkFileName.Value());
        StoreControlValue("Random", chkRandom.Value());
        StoreControlValue("Save", chkSave.Value());
    } else {
        DeleteStoredSettings();
    }
}

}  // namespace lumatra
