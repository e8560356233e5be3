// The drive, folder and file panes, and the add-button rule they keep.
#include "filelist/list_window.h"
#include "filelist/panes.h"
#include "rt/paths.h"
#include "rt/screen.h"

namespace filelist {

void ListWindow::Drive1_Change() { panes_.Drive1_Change(); }

void ListWindow::Dir1_Change() {
    File1.SetPattern(cmbFilter.Text());
    if (File1.SetPath(Dir1.Path())) {
        // The folder vanished under us: the folder pane follows the file pane back.
        Dir1.SetPath(File1.Path());
        return;
    }
    if (variant_.emptyListOnFolderChange) RemoveFromList(true);
    strCurrentFilePath = rt::WithBackslash(Dir1.Path());
}

void ListWindow::Dir1_MouseUp(int button, int shift, int x, int y) { panes_.Dir1_MouseUp(button, shift, x, y); }

void ListWindow::tbDir_ButtonClick(const rt::ToolButton& button) { panes_.tbDir_ButtonClick(button); }

void ListWindow::cmbFilter_Click() {
    File1.SetPattern(cmbFilter.Text());
    ApplyAddButtonRule();
}

void ListWindow::chkHidden_Click() {
    File1.SetHidden(chkHidden.Value() == 1);
    ApplyAddButtonRule();
}

void ListWindow::ApplyAddButtonRule() {
    tbfile.SetButtonEnabled("Add", false);
    tbfile.SetButtonEnabled("AddAll", File1.ListCount() > 0);
}

void ListWindow::File1_PathChange() { ApplyAddButtonRule(); }

void ListWindow::File1_Click() {
    if (File1.ListCount() == 0) return;
    tbfile.SetButtonEnabled("AddAll", true);
    tbfile.SetButtonEnabled("Add", true);
}

void ListWindow::File1_DblClick() {
    if (File1.ListCount() == 0) return;
    rt::SetHourglass(true);
    int index = File1.ListIndex();
    if (index >= 0) AddToList(strCurrentFilePath + File1.List(index), true);
    AfterAdding();
    rt::SetHourglass(false);
}

// "Remove" waits for a new click in the list; "Remove All" and "Save" follow the rows.
void ListWindow::AfterAdding() {
    tbMain.SetButtonEnabled("Remove", false);
    if (lv1.Count() > 0) {
        tbMain.SetButtonEnabled("RemoveAll", true);
        tbMain.SetButtonEnabled("Save", true);
    }
}

}  // namespace filelist
