#pragma once
// The slide-show settings dialog: shows the settings (stored, or those in
// use), and on "Apply" takes them for this run and stores or forgets them.
#include "rt/buttons.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/scroll_bar.h"
#include "rt/toolbar.h"

namespace lumatra {

class frmSettings : public rt::Form {
public:
    frmSettings();

    rt::Label lblDelay;
    rt::ScrollBar HScroll_Delay;
    rt::CheckBox chkLoop;
    rt::CheckBox chkFileName;
    rt::CheckBox chkRandom;
    rt::CheckBox chkSave;
    rt::Frame frameSep;
    rt::Toolbar tbMain;

    // Public so that tests can drive them as the user would.
    void HScroll_Delay_Change();
    void HScroll_Delay_Scroll();
    void tbMain_ButtonClick(const rt::ToolButton& button);

protected:
    void Form_Load() override;

private:
    void LoadSlideSettings();
    void ApplySlideSettings();
    void TakeSettingsFromControls();
};

}  // namespace lumatra
