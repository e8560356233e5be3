#include "quarnel/frmSettings.h"

#include <vector>

#include "filelist/list_pictures.h"
#include "foundation/modDialog32.h"
#include "quarnel/modFilemcd.h"
#include "rt/app.h"
#include "rt/convert.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/format.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

using namespace std::string_literals;

namespace quarnel {


frmSettings::frmSettings(frmQuarnel& listWindow)
    : rt::Form(rt::DialogDesign("Attribute Parameters", 3930, 4965, rt::Border::FixedSingle)),
      optDate{rt::OptionButton(false, true), rt::OptionButton(true)},
      tbDir({{"Browse", "Browse", "Select Master File", filelist::DrawBrowse, true}}),
      tbMain({{"Cancel", "Cancel", "Cancel", filelist::DrawCancel, true},
              rt::ToolButton::Separator(),
              {"Proceed !", "Apply", "Proceed With Set File Attributes", filelist::DrawApply, true}}),
      listWindow_(listWindow) {
    // left, top, width, height, caption, tab index; the date group inside Frame1
    Place(lblSettings, {180, 180, 3555, 615,
                        "All file properties will be set according to the parameters below, regardless of their "
                        "current attributes..."});
    Place(chkArchive, {360, 960, 1215, 195, "Archive", 0});
    Place(chkHidden, {360, 1200, 1215, 195, "Hidden", 1});
    Place(chkReadOnly, {360, 1440, 1215, 195, "Read Only", 2});
    Place(chkSystem, {360, 1680, 1215, 195, "System", 3});
    Place(Frame1, {180, 2160, 3555, 1815, " "});
    Place(chkDate, rt::ControlDesign(180, 0, 2475, 255, "Set Date Only, Skip Attributes", 4).In(Frame1));
    Place(optDate[0], rt::ControlDesign(180, 360, 2655, 195, "Sync File Date w/ Master File", 5).In(Frame1));
    Place(lblDate, rt::ControlDesign(480, 600, 2355, 255).In(Frame1));
    Place(tbDir, rt::ControlDesign(2940, 480, 540, 390, "", 8).In(Frame1));
    Place(optDate[1], rt::ControlDesign(180, 1020, 3075, 195, "Set File Date w/ Date Specified", 6).In(Frame1));
    Place(txtDate, rt::ControlDesign(480, 1320, 2355, 285, "", 7).In(Frame1));
    Place(frameSep, {0, 4200, 3975, 75});
    Place(tbMain, {0, 4365, 3930, 600, "", 9});

    chkDate.Click = [this] { chkDate_Click(); };
    tbDir.ButtonClick = [this](const rt::ToolButton& b) { tbDir_ButtonClick(b); };
    tbMain.ButtonClick = [this](const rt::ToolButton& b) { tbMain_ButtonClick(b); };
}

void frmSettings::chkDate_Click() {
    const bool attributesToo = chkDate.Value() == 0;
    for (rt::CheckBox* box : {&chkArchive, &chkHidden, &chkReadOnly, &chkSystem}) box->SetEnabled(attributesToo);
}

void frmSettings::tbDir_ButtonClick(const rt::ToolButton& button) {
    (void)button;  // the one button, "Browse"
    strMasterFile = modDialog32::ShowFileDialog(hwnd(), modDialog32::kOpenDialog, "Select a Master Time Stamp File",
                                                "", "All Files (*.*)\0*.*"s, "", "");
    SYSTEMTIME modified{};
    // A master that cannot be read (gone since it was picked) shows no date.
    const bool shown = !strMasterFile.empty() && rt::FileModified(strMasterFile, modified);
    lblDate.SetCaption(shown ? rt::FormatGeneralDate(modified) : "");
}

void frmSettings::tbMain_ButtonClick(const rt::ToolButton& button) {
    if (button.tag == "Apply") {
        long errorCount = 0;
        ApplyAttributes(errorCount);
        rt::MsgBox("Set file attributes complete, Total errors = " + std::to_string(errorCount),
                   MB_ICONINFORMATION | MB_OK, rt::AppTitle() + " : Complete");
    }
    Unload();
}

void frmSettings::Form_KeyDown(int& keyCode, int shift) {
    (void)shift;
    if (keyCode == VK_ESCAPE) Unload();
}

DWORD frmSettings::AttributeByte() const {
    DWORD attributes = 0;
    if (chkArchive.Value() == 1) attributes += FILE_ATTRIBUTE_ARCHIVE;
    if (chkHidden.Value() == 1) attributes += FILE_ATTRIBUTE_HIDDEN;
    if (chkReadOnly.Value() == 1) attributes += FILE_ATTRIBUTE_READONLY;
    if (chkSystem.Value() == 1) attributes += FILE_ATTRIBUTE_SYSTEM;
    return attributes;
}

// The chosen time step, tried twice with a yield after each try. Not trying
// (no master, no valid date) is no failure; trying and writing no times at
// all is one, so a file left with its old dates is counted.
bool frmSettings::TimeStepFailed(const std::string& path) {
    SYSTEMTIME date{};
    bool written = false;
    if (optDate[0].Value() && !strMasterFile.empty()) {
        written = CopyFileTimes(strMasterFile, path);
        rt::DoEvents();
        written = CopyFileTimes(strMasterFile, path) || written;
        rt::DoEvents();
    } else if (optDate[1].Value() && rt::ToDate(txtDate.Text(), date)) {
        written = SetFileTimes(date, path);
        rt::DoEvents();
        written = SetFileTimes(date, path) || written;
        rt::DoEvents();
    } else {
        return false;
    }
    return !written;
}

void frmSettings::ApplyAttributes(long& errorCount) {
    rt::HourglassScope hourglass;
    rt::DoEvents();
    const DWORD attributes = AttributeByte();
    // The rows as they stand now; a yield cannot make the run skip or repeat one.
    std::vector<std::string> paths;
    paths.reserve(static_cast<size_t>(listWindow_.lv1.Count()));
    for (int i = 0; i < listWindow_.lv1.Count(); ++i) paths.push_back(listWindow_.lv1.Text(i));

    for (const std::string& path : paths) {
        bool failed = TimeStepFailed(path);
        if (chkDate.Value() == 0 && rt::SetAttributes(path, attributes)) failed = true;
        rt::DoEvents();
        if (failed) ++errorCount;
    }
    listWindow_.RemoveFromList(true);
    listWindow_.File1.Refresh();
}

}  // namespace quarnel
