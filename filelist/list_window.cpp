#include "filelist/list_window.h"

#include <cmath>

#include "filelist/file_ending.h"
#include "filelist/list_pictures.h"
#include "filelist/panes.h"
#include "foundation/main_window.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/format.h"
#include "rt/paths.h"

namespace filelist {

std::vector<std::string> StandardPatterns() {
    return {"*.*", "*.jpg;*.gif;*.bmp", "*.jpg", "*.gif", "*.bmp", "*.ico;*.cur", "*.doc;*.txt", "*.dat", "*.htm"};
}

std::vector<rt::ToolButton> AddButtons() {
    return {
        {"Add All", "AddAll", "Add All Files", filelist::DrawAddAll, false},
        {"Add", "Add", "Add Selected Files", filelist::DrawAdd, false},
    };
}

ListWindowVariant TypeListVariant() {
    ListWindowVariant v;
    v.thirdColumn = {"Type", "Type", 750};
    v.thirdCell = TypeCellText;
    v.fileButtons = AddButtons();
    return v;
}

namespace {

rt::FormDesign WindowDesign() {
    rt::FormDesign d;
    d.clientWidth = 6780;
    d.clientHeight = 5835;
    d.border = rt::Border::Sizable;
    d.keyPreview = true;
    d.icon = DrawListIcon;
    return d;
}

std::vector<rt::ToolButton> MainButtons(const std::vector<rt::ToolButton>& actions) {
    std::vector<rt::ToolButton> b = {
        {"Remove All", "RemoveAll", "Remove All", filelist::DrawRemoveAll, false},
        {"Remove", "Remove", "Remove Selected Items", filelist::DrawRemove, false},
        rt::ToolButton::Separator(),
        {"Load", "Load", "Load File List", filelist::DrawLoad, true},
        {"Save", "Save", "Save File List", filelist::DrawSave, false},
        rt::ToolButton::Separator(),
        {"Help", "Help", "Help", filelist::DrawHelp, true},
    };
    b.insert(b.end(), actions.begin(), actions.end());
    return b;
}

std::vector<rt::ColumnHeader> Columns(const rt::ColumnHeader& third) {
    return {{"Name", "Name", 3000}, {"Size (bytes)", "Size", 1200}, third, {"Modified", "Date", 1200}};
}

}  // namespace

ListWindow::ListWindow(ListWindowVariant variant)
    : rt::Form(WindowDesign()),
      lblForm{rt::Label({.autoSize = true}), rt::Label()},
      cmbFilter(variant.patterns),
      tbDir(FolderButtons()),
      tbfile(variant.fileButtons),
      lblFiles({.autoSize = true}),
      lv1(Columns(variant.thirdColumn), rows_),
      tbMain(MainButtons(variant.actionButtons)),
      mnuPopupMenu("PopupMenu", {{"Open", [this] { mnuitemOpen_Click(); }},
                                 {"Remove", [this] { mnuitemRemove_Click(); }},
                                 {"Properties", [this] { mnuitemProperties_Click(); }},
                                 {"-", nullptr},
                                 {"Cancel", [this] { mnuitemCancel_Click(); }}}),
      variant_(std::move(variant)),
      rows_(variant_.thirdCell),
      panes_(*this, Drive1, Dir1) {
    // left, top, width, height, caption, tab index
    Place(lblForm[0], rt::ControlDesign(60, 60, 1155, 195, "Source Files").Bold());
    Place(Drive1, {60, 360, 3315, 315, "", 0});
    Place(cmbFilter, {3420, 360, 1275, 315, "", 2});
    Place(chkHidden, {4800, 420, 1635, 195, "Show Hidden Files", 3});
    Place(Dir1, {60, 780, 3315, 1440, "", 1});
    Place(File1, {3420, 780, 3315, 1455, "", 4});
    Place(tbDir, {60, 2280, 3300, 600, "", 6});
    Place(tbfile, {3420, 2280, 3300, 600, "", 7});
    Place(frameSep, {0, 2940, 6915, 75, "", 8});
    Place(lblForm[1], rt::ControlDesign(60, 3120, variant_.listCaptionWidth, 195, variant_.listCaption).Bold());
    Place(lblFiles, {variant_.countLeft, 3120, 90, 195, "0"});
    Place(lv1, {60, 3420, 6675, 1755, "", 5});
    Place(tbMain, {0, 5235, 6780, 600, "", 9});

    Drive1.Change = [this] { Drive1_Change(); };
    Dir1.Change = [this] { Dir1_Change(); };
    Dir1.MouseUp = [this](int b, int s, int x, int y) { Dir1_MouseUp(b, s, x, y); };
    cmbFilter.Click = [this] { cmbFilter_Click(); };
    chkHidden.Click = [this] { chkHidden_Click(); };
    File1.Click = [this] { File1_Click(); };
    File1.DblClick = [this] { File1_DblClick(); };
    File1.PathChange = [this] { File1_PathChange(); };
    tbDir.ButtonClick = [this](const rt::ToolButton& b) { tbDir_ButtonClick(b); };
    tbfile.ButtonClick = [this](const rt::ToolButton& b) { tbfile_ButtonClick(b); };
    tbMain.ButtonClick = [this](const rt::ToolButton& b) { tbMain_ButtonClick(b); };
    lv1.ColumnClick = [this](int c) { lv1_ColumnClick(c); };
    lv1.MouseDown = [this](int b, int s, int x, int y) { lv1_MouseDown(b, s, x, y); };
    lv1.MouseUp = [this](int b, int s, int x, int y) { lv1_MouseUp(b, s, x, y); };
    lv1.DblClick = [this] { lv1_DblClick(); };
}

void ListWindow::Form_Load() {
    SetCaption(rt::AppTitleWithVersion());
    LayoutMargins_[0] = Height() - lv1.Height();
    LayoutMargins_[1] = Width() - lv1.Width();
    LayoutMargins_[2] = Width() - File1.Width();
    LayoutMargins_[3] = Width() - frameSep.Width();
    strCurrentFilePath = rt::WithBackslash(Dir1.Path());
    cmbFilter.SetListIndex(0);
    File1_PathChange();
}

void ListWindow::Form_Resize() {
    // The main toolbar keeps to the bottom edge, in the list view's bottom
    // gap, across the whole width, so every button stays in reach; while
    // minimised it keeps its place, as the sized controls do. It moves
    // before the list view grows over the place it leaves.
    if (WindowState() != rt::WindowState::Minimized) {
        tbMain.Move(0, ScaleHeight() - tbMain.Height(), ScaleWidth(), tbMain.Height());
    }
    // A size that would come out negative is refused and that control keeps
    // its last size; the other steps still run.
    lv1.SetHeight(Height() - LayoutMargins_[0]);
    lv1.SetWidth(Width() - LayoutMargins_[1]);
    File1.SetWidth(Width() - LayoutMargins_[2]);
    frameSep.SetWidth(Width() - LayoutMargins_[3]);
}

void ListWindow::Form_Unload(int& cancel) {
    (void)cancel;
    EndOnClose();
}

void ListWindow::Form_KeyDown(int& keyCode, int shift) { foundation::MainWindow_KeyDown(*this, keyCode, shift); }

void ListWindow::Form_DblClick() { foundation::MainWindow_DblClick(*this); }

void ListWindow::SetCount() {
    constexpr DWORD kRunIntervalMs = 100;
    const int count = lv1.Count();
    if (count == shownCount_) return;
    if (addingRuns_ > 0 && GetTickCount() - countShownAt_ < kRunIntervalMs) return;
    lblFiles.SetCaption(rt::FormatCount(count));
    shownCount_ = count;
    countShownAt_ = GetTickCount();
}

}  // namespace filelist
