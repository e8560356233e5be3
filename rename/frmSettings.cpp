#include "rename/frmSettings.h"

#include <vector>

#include "filelist/list_pictures.h"
#include "rename/frmRename.h"
#include "rename/rename_checks.h"
#include "rename/rename_run.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

namespace renamer {

frmSettings::frmSettings(frmRename& list)
    : rt::Form(rt::DialogDesign("Rename Parameters", 3270, 2520, rt::Border::FixedSingle)),
      txtStartNumber(rt::TextBoxStyle{.maxLength = 7}),
      tbMain({{"Cancel", "Cancel", "Cancel", filelist::DrawCancel, true},
              {"Proceed !", "Apply", "Proceed With Rename", filelist::DrawApply, true}}),
      list_(list) {
    // left, top, width, height, caption, tab index
    Place(lblSettings[2],
          {180, 180, 2895, 435, "All files will be renamed sequentially according to the parameters below...", 6});
    Place(lblSettings[0], {60, 840, 1455, 195, "File Name Prefix:", 4});
    Place(txtPrefix, {1620, 780, 1455, 315, "", 0});
    Place(lblSettings[1], {60, 1260, 1455, 195, "Starting Number:", 5});
    Place(txtStartNumber, {1620, 1200, 1455, 315, "01", 1});
    Place(frameSep, {0, 1740, 3315, 75, "", 3});
    Place(tbMain, {0, 1920, 3270, 600, "", 2});

    tbMain.ButtonClick = [this](const rt::ToolButton& b) { tbMain_ButtonClick(b); };
}

void frmSettings::tbMain_ButtonClick(const rt::ToolButton& button) {
    if (button.tag != "Apply") {
        Unload();
        return;
    }
    RenameSettings settings;
    if (!InputAccepted(settings)) return;
    RenameFiles(settings);
    Unload();
}

void frmSettings::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == VK_ESCAPE) Unload();
}

bool frmSettings::InputAccepted(RenameSettings& settings) {
    const RenameCheck check = CheckRenameInput(txtPrefix.Text(), txtStartNumber.Text(), list_.lv1.Count());
    const std::string title = rt::AppTitle() + check.topic;
    switch (check.outcome) {
    case CheckOutcome::Refuse:
        rt::MsgBox(check.message, MB_ICONEXCLAMATION | MB_OK, title);
        (check.focus == RenameField::Prefix ? txtPrefix : txtStartNumber).SetFocus();
        return false;
    case CheckOutcome::AskLength:
        if (rt::MsgBox(check.message, MB_ICONQUESTION | MB_YESNO, title) == IDNO) return false;
        break;
    case CheckOutcome::Proceed:
        break;
    }
    settings = check.settings;
    return true;
}

// The checks have read the prefix and the number; the rows and the folder
// are read here, once, after the one yield.
void frmSettings::RenameFiles(const RenameSettings& settings) {
    rt::HourglassScope hourglass;
    rt::DoEvents();
    std::vector<std::string> rows;
    rows.reserve(static_cast<std::size_t>(list_.lv1.Count()));
    for (int i = 0; i < list_.lv1.Count(); ++i) rows.push_back(list_.lv1.Text(i));
    renamer::RenameFiles(rows, list_.strCurrentFilePath, settings);
    list_.RemoveFromList(true);
    list_.File1.Refresh();
}

}  // namespace renamer
