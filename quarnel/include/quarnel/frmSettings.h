#pragma once
// The attribute dialog: the attributes every listed file shall have, and how
// their time stamps change (copied from a master file, or a typed date).
// "Proceed !" runs over the list window's rows and empties the list. Made
// anew for every use and unloaded after any button, so it keeps nothing.
#include <array>
#include <string>

#include "quarnel/frmQuarnel.h"
#include "rt/buttons.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/textbox.h"
#include "rt/toolbar.h"

namespace quarnel {

class frmSettings : public rt::Form {
public:
    explicit frmSettings(frmQuarnel& listWindow);

    // Sets times and attributes of every row present when it starts, adding
    // one to errorCount for each file where a step failed; then empties the
    // list and refreshes the file pane.
    void ApplyAttributes(long& errorCount);

    rt::Label lblSettings;
    rt::CheckBox chkArchive;
    rt::CheckBox chkHidden;
    rt::CheckBox chkReadOnly;
    rt::CheckBox chkSystem;
    rt::Frame Frame1;
    rt::CheckBox chkDate;
    std::array<rt::OptionButton, 2> optDate;
    rt::Label lblDate;
    rt::Toolbar tbDir;
    rt::TextBox txtDate;
    rt::Frame frameSep;
    rt::Toolbar tbMain;

    // The master file chosen with "Browse"; "" until one is chosen.
    std::string strMasterFile;

    void chkDate_Click();
    void tbDir_ButtonClick(const rt::ToolButton& button);
    void tbMain_ButtonClick(const rt::ToolButton& button);

protected:
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    DWORD AttributeByte() const;
    bool TimeStepFailed(const std::string& path);

    frmQuarnel& listWindow_;
};

}  // namespace quarnel
