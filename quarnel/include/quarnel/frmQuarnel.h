#pragma once
// quarnel's list window: the file list with the attribute letters, the
// recursive add, and "Set Attributes".
#include "filelist/list_window.h"

namespace quarnel {

class frmQuarnel : public filelist::ListWindow {
public:
    frmQuarnel();

protected:
    void MainToolAction(const std::string& tag) override;
};

}  // namespace quarnel
