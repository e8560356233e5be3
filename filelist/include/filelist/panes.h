#pragma once
// The pane handlers that every window with drive, folder and file panes
// shares (the list window and glimtor's window): the drive change with its
// not-ready prompt, the typed folder, the pane toolbar's "Browse" and
// "Input", and the end of the program when the window closes.
#include <string>
#include <vector>

#include "rt/filesystem_lists.h"
#include "rt/form.h"
#include "rt/toolbar.h"

namespace filelist {

// The pane toolbar tbDir: "Browse" and "Input".
std::vector<rt::ToolButton> FolderButtons();

class FolderPanes {
public:
    FolderPanes(rt::Form& window, rt::DriveListBox& drive, rt::DirListBox& dir)
        : window_(window), Drive1(drive), Dir1(dir) {}

    void Drive1_Change();
    void Dir1_MouseUp(int button, int shift, int x, int y);
    void tbDir_ButtonClick(const rt::ToolButton& button);

private:
    void EnterFolder(const std::string& folder);

    rt::Form& window_;
    rt::DriveListBox& Drive1;
    rt::DirListBox& Dir1;
};

// Form_Unload of a main window: closing it ends the program at once.
[[noreturn]] void EndOnClose();

}  // namespace filelist
