#pragma once
// The rename dialog: asks for the prefix and the starting number, checks
// them, and renames every listed file of the list window.
#include <array>
#include <string>

#include "rename/rename_names.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/textbox.h"
#include "rt/toolbar.h"

namespace renamer {

class frmRename;

class frmSettings : public rt::Form {
public:
    explicit frmSettings(frmRename& list);

    std::array<rt::Label, 3> lblSettings;
    rt::TextBox txtPrefix;
    rt::TextBox txtStartNumber;
    rt::Frame frameSep;
    rt::Toolbar tbMain;

    // Public so that tests can drive it as the user would.
    void tbMain_ButtonClick(const rt::ToolButton& button);

protected:
    void Form_KeyDown(int& keyCode, int shift) override;

private:
    // The checks in order; true when the run may go ahead with settings.
    bool InputAccepted(RenameSettings& settings);
    void RenameFiles(const RenameSettings& settings);

    frmRename& list_;
};

}  // namespace renamer
