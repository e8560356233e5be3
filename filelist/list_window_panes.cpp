// The drive, folder and file panes, and the add-button rule they keep.
#include <cctype>

#include "filelist/list_window.h"
#include "foundation/modDialog32.h"
#include "rt/convert.h"
#include "rt/drives.h"
#include "rt/files.h"
#include "rt/msgbox.h"
#include "rt/screen.h"

namespace filelist {

namespace {
std::string WithSlash(const std::string& folder) {
    return !folder.empty() && folder.back() == '\\' ? folder : folder + "\\";
}

// Only a text that names an existing folder on a ready drive of the drive
// pane can be shown by the panes; anything else (a file, a pattern, a drive
// without medium, a network path) is refused before a pane moves, so the
// panes never disagree.
bool IsReachableFolder(const std::string& text) {
    if (text.size() < 2 || text[1] != ':' || !std::isalpha(static_cast<unsigned char>(text[0]))) return false;
    const char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(text[0])));
    DWORD attrs = 0;
    return rt::DriveReady(letter) && text.find_first_of("*?") == std::string::npos &&
           rt::FileAttributes(text, attrs) && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

void ListWindow::Drive1_Change() {
    rt::SetHourglass(true);
    rt::Error err = Dir1.SetPath(Drive1.Drive());
    if (!err) {
        rt::SetHourglass(false);
        return;
    }
    if (err.number == ERROR_NOT_READY) {
        int answer = rt::MsgBox("Drive " + rt::UCase(Drive1.Drive()) + " not ready.  Please insert disk in drive.",
                                MB_ICONEXCLAMATION | MB_RETRYCANCEL, "Drive Error");
        if (answer == IDRETRY) {
            Drive1_Change();
            return;
        }
    } else {
        rt::MsgBox("Error changing drive.", MB_ICONEXCLAMATION | MB_OK, "Drive Error");
    }
    // Back to the drive of the folder still shown; its own change resets the pointer.
    Drive1.SetDrive(Dir1.Path());
    rt::SetHourglass(false);
}

void ListWindow::Dir1_Change() {
    File1.SetPattern(cmbFilter.Text());
    if (File1.SetPath(Dir1.Path())) {
        // The folder vanished under us: the folder pane follows the file pane back.
        Dir1.SetPath(File1.Path());
        return;
    }
    if (variant_.emptyListOnFolderChange) RemoveFromList(true);
    strCurrentFilePath = WithSlash(Dir1.Path());
}

void ListWindow::EnterFolder(const std::string& folder) {
    if (!IsReachableFolder(folder)) return;
    Drive1.SetDrive(folder);
    Dir1.SetPath(folder);
}

void ListWindow::Dir1_MouseUp(int button, int shift, int x, int y) {
    (void)shift;
    (void)x;
    (void)y;
    if (button != 2) return;
    std::string text = rt::InputBox("Enter a directory...", "Select Directory");
    if (text.empty()) return;
    // A folder path ending in "\" lists that folder's entries.
    std::string pattern = text.back() == '\\' ? text + "*.*" : text;
    if (!rt::ListingFinds(pattern, rt::kListHidden | rt::kListSystem | rt::kListFolders)) return;
    EnterFolder(text);
}

void ListWindow::tbDir_ButtonClick(const rt::ToolButton& button) {
    if (button.tag == "Browse") {
        std::string folder = modDialog32::BrowseForFolder(hwnd(), "Select Folder");
        if (!folder.empty()) EnterFolder(folder);
    } else if (button.tag == "Input") {
        Dir1_MouseUp(2, 0, 0, 0);
    }
}

void ListWindow::cmbFilter_Click() {
    File1.SetPattern(cmbFilter.Text());
    ApplyAddButtonRule();
}

void ListWindow::chkHidden_Click() {
    File1.SetHidden(chkHidden.Value() == 1);
    ApplyAddButtonRule();
}

void ListWindow::ApplyAddButtonRule() {
    tbfile.SetButtonEnabled(2, false);
    tbfile.SetButtonEnabled(1, File1.ListCount() > 0);
}

void ListWindow::File1_PathChange() { ApplyAddButtonRule(); }

void ListWindow::File1_Click() {
    if (File1.ListCount() == 0) return;
    tbfile.SetButtonEnabled(1, true);
    tbfile.SetButtonEnabled(2, true);
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
    tbMain.SetButtonEnabled(2, false);
    if (lv1.Count() > 0) {
        tbMain.SetButtonEnabled(1, true);
        tbMain.SetButtonEnabled(5, true);
    }
}

}  // namespace filelist
