#pragma once
// lumatra's list window: the file list with the "Type" column, no recursive
// add, a list that outlives folder changes, and "Settings" and "Slide Show".
#include "filelist/list_window.h"

namespace lumatra {

class frmLumatra : public filelist::ListWindow {
public:
    frmLumatra();

protected:
    void MainToolAction(const std::string& tag) override;

private:
    void ShowSettings();
    void ShowSlides();
};

}  // namespace lumatra
