#pragma once
// quarnel's list window: the file list with the attribute letters, the
// recursive add, and "Set Attributes".
#include "filelist/list_window.h"

namespace quarnel {

class frmQuarnel : public filelist::ListWindow {
public:
    frmQuarnel();

    // Adds every file below the current folder that matches the pattern
    // box's patterns. A call made while one runs (from one of its yields)
    // returns at once and adds nothing.
    void AddToListRecurse();

protected:
    bool FileToolAction(const std::string& tag) override;
    void MainToolAction(const std::string& tag) override;

private:
    bool bolScanRunning_ = false;
};

}  // namespace quarnel
