#pragma once
// rename's list window, shown, over a fresh folder.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "rename/frmRename.h"
#include "testkit/temp_folder.h"

namespace rename_test {

class RenameWindowTest : public ::testing::Test {
protected:
    void SetUp() override;

    // Lists count files of the folder that do not exist: a run over them renames nothing.
    void ListMissingFiles(int count);
    // The panes show the test folder.
    void ShowFolder();
    std::vector<std::string> FilePane() const;

    testkit::TempFolder folder;
    renamer::frmRename window;
};

}  // namespace rename_test
