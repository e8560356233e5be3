#pragma once
// rename's list window: the file list with the "Type" column, no recursive
// add, the list emptied on every folder change, and "Rename".
#include "filelist/list_window.h"

namespace renamer {

class frmRename : public filelist::ListWindow {
public:
    frmRename();

protected:
    void MainToolAction(const std::string& tag) override;
};

}  // namespace renamer
