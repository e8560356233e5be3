#pragma once
// A list window as quarnel builds it, shown, over a fresh folder.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "filelist/list_window.h"
#include "filelist/row_cells.h"
#include "testkit/temp_folder.h"

namespace filelist_test {

inline filelist::ListWindowVariant AttributeVariant() {
    filelist::ListWindowVariant v;
    v.thirdColumn = {"Attrib", "Attrib", 750};
    v.thirdCell = filelist::AttributeLetters;
    v.fileButtons = filelist::AddButtons();
    v.actionButtons = {{"Set Attributes", "Attrib", "Set File Attributes", nullptr, true}};
    v.patterns = filelist::StandardPatterns();
    v.listCaption = "File List -";
    v.listCaptionWidth = 885;
    v.countLeft = 1020;
    return v;
}

class ListWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<filelist::ListWindow>(AttributeVariant());
        window->Show();
        ASSERT_TRUE(window->IsLoaded());
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < window->lv1.Count(); ++i) rows.push_back(window->lv1.Text(i));
        return rows;
    }

    bool Enabled(const char* mainButton) const { return window->tbMain.ButtonEnabled(mainButton); }

    testkit::TempFolder folder;
    std::unique_ptr<filelist::ListWindow> window;
};

}  // namespace filelist_test
