#include "filelist/panes.h"

#include "filelist/list_pictures.h"
#include "foundation/modDialog32.h"
#include "rt/convert.h"
#include "rt/drives.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/msgbox.h"
#include "rt/paths.h"
#include "rt/screen.h"

namespace filelist {

namespace {
// Only a text that names an existing folder on a ready drive of the drive
// pane can be shown by the panes; anything else (a file, a pattern, a drive
// without medium, a network path) is refused before a pane moves, so the
// panes never disagree.
bool IsReachableFolder(const std::string& text) {
    const char letter = rt::DriveLetterOf(text);
    if (!letter) return false;
    DWORD attrs = 0;
    return rt::DriveReady(letter) && text.find_first_of("*?") == std::string::npos &&
           rt::FileAttributes(text, attrs) && (attrs & FILE_ATTRIBUTE_DIRECTORY);
}
}  // namespace

std::vector<rt::ToolButton> FolderButtons() {
    return {{"Browse", "Browse", "Select Directory", DrawBrowse, true},
            {"Input", "Input", "Manually Input Path", DrawInput, true}};
}

void FolderPanes::Drive1_Change() {
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

void FolderPanes::EnterFolder(const std::string& folder) {
    if (!IsReachableFolder(folder)) return;
    Drive1.SetDrive(folder);
    Dir1.SetPath(folder);
}

void FolderPanes::Dir1_MouseUp(int button, int shift, int x, int y) {
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

void FolderPanes::tbDir_ButtonClick(const rt::ToolButton& button) {
    if (button.tag == "Browse") {
        std::string folder = modDialog32::BrowseForFolder(window_.hwnd(), "Select Folder");
        if (!folder.empty()) EnterFolder(folder);
    } else if (button.tag == "Input") {
        Dir1_MouseUp(2, 0, 0, 0);
    }
}

void EndOnClose() { rt::EndProgram(); }

}  // namespace filelist
