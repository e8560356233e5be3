// The list view's sort, mouse and popup menu, and the file and main toolbars.
#include "filelist/list_window.h"
#include "foundation/main_window.h"
#include "foundation/modDialog32.h"
#include "foundation/modWin32Api.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

namespace filelist {

void ListWindow::lv1_ColumnClick(int column) {
    if (lv1.Count() == 0) return;
    rt::SetHourglass(true);
    bolSortDescending = !bolSortDescending;
    lv1.SetSortKey(column - 1);
    lv1.SetSortDescending(bolSortDescending);
    lv1.SetSorted(true);
    lv1.EnsureVisible(lv1.SelectedIndex());
    rt::SetHourglass(false);
}

void ListWindow::lv1_MouseDown(int button, int shift, int x, int y) {
    (void)button;
    (void)shift;
    (void)x;
    (void)y;
    if (lv1.Count() > 0) tbMain.SetButtonEnabled("Remove", true);
}

void ListWindow::lv1_MouseUp(int button, int shift, int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
    if (button == 2) mnuPopupMenu.Show(hwnd());
}

void ListWindow::lv1_DblClick() {
    if (lv1.Count() > 0) mnuitemOpen_Click();
}

void ListWindow::mnuitemOpen_Click() {
    int index = lv1.SelectedIndex();
    if (index >= 0) modWin32Api::ShellOpen(lv1.Text(index), "", 1);
}

void ListWindow::mnuitemRemove_Click() {
    RemoveFromList(false);
    tbMain.SetButtonEnabled("Remove", false);
}

void ListWindow::mnuitemProperties_Click() {
    int index = lv1.SelectedIndex();
    if (index >= 0) modDialog32::ShowFileProperties(hwnd(), lv1.Text(index));
}

void ListWindow::AddFileButtonsLoop(bool selectedOnly) {
    AddingRun run(*this);
    for (int i = 0; i < File1.ListCount(); ++i) {
        if (!selectedOnly || File1.Selected(i)) AddToList(strCurrentFilePath + File1.List(i), true);
        if (i % 10 == 0) rt::DoEvents();
    }
}

void ListWindow::tbfile_ButtonClick(const rt::ToolButton& button) {
    rt::SetHourglass(true);
    rt::DoEvents();
    if (button.tag == "AddAll") {
        AddFileButtonsLoop(false);
    } else if (button.tag == "Add") {
        AddFileButtonsLoop(true);
    } else {
        FileToolAction(button.tag);
    }
    AfterAdding();
    rt::SetHourglass(false);
}

void ListWindow::tbMain_ButtonClick(const rt::ToolButton& button) {
    const std::string& tag = button.tag;
    if (tag == "RemoveAll") {
        rt::SetHourglass(true);
        RemoveFromList(true);
        rt::SetHourglass(false);
    } else if (tag == "Remove") {
        RemoveFromList(false);
    } else if (tag == "Load") {
        LoadFromFile("");
    } else if (tag == "Save") {
        SaveToFile("");
    } else if (tag == "Help") {
        ShowHelp();
    } else {
        MainToolAction(tag);
    }
}

void ListWindow::ShowHelp() {
    std::string page = foundation::HelpPagePath();
    if (rt::ListingFinds(page, rt::kListNormal)) {
        modWin32Api::ShellOpen(page, "", 1);
    } else {
        rt::MsgBox("Help file not found.", MB_ICONEXCLAMATION | MB_OK, rt::AppTitle() + " : File Not Found");
    }
}

bool ListWindow::ListHasRowsOrSay() {
    if (lv1.Count() > 0) return true;
    rt::MsgBox("No files in list, please add source files.", MB_ICONEXCLAMATION | MB_OK,
               rt::AppTitle() + " : File Not Found");
    File1.SetFocus();
    return false;
}

}  // namespace filelist
