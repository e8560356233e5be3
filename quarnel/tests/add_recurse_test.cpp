// "Add Recurse": the pattern box's patterns over the current folder's tree.
#include <gtest/gtest.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

#include "quarnel/frmQuarnel.h"
#include "rt/events.h"
#include "rt/screen.h"
#include "testkit/temp_folder.h"

namespace {

constexpr int kRecursePosition = 3;
constexpr const char* kRecurseButton = "Recurse";

class AddRecurseTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Show();
        ASSERT_TRUE(window.IsLoaded());
        ASSERT_EQ(window.tbfile.Button(kRecursePosition).tag, "Recurse");
        window.Drive1.SetDrive(folder.Path());
        ASSERT_FALSE(window.Dir1.SetPath(folder.Path()));
    }

    // As the user does it: text typed into the pattern box, then the button.
    void AddRecurse(const std::string& patterns) {
        window.cmbFilter.SetText(patterns);
        window.tbfile.PressButton(kRecurseButton);
    }

    std::vector<std::string> Rows() const {
        std::vector<std::string> rows;
        for (int i = 0; i < window.lv1.Count(); ++i) rows.push_back(window.lv1.Text(i));
        return rows;
    }

    testkit::TempFolder folder;
    quarnel::frmQuarnel window;
};

TEST_F(AddRecurseTest, FilesOfEachPatternInTurnThenTheSubfolders) {
    std::string b = folder.Write("b.gif");
    std::string a = folder.Write("a.jpg");
    std::string c = folder.Write("sub\\c.jpg");
    folder.Write("notes.txt");
    AddRecurse("*.jpg;*.gif");
    EXPECT_EQ(Rows(), (std::vector<std::string>{a, b, c}));
    EXPECT_EQ(window.lblFiles.Caption(), "3");
    EXPECT_TRUE(window.tbMain.ButtonEnabled("RemoveAll"));
    EXPECT_FALSE(window.tbMain.ButtonEnabled("Remove"));
    EXPECT_TRUE(window.tbMain.ButtonEnabled("Save"));
    EXPECT_FALSE(rt::IsHourglass());
}

TEST_F(AddRecurseTest, AFileFoundTwiceOrAlreadyListedGivesOneRow) {
    std::string x = folder.Write("x.txt");
    std::string y = folder.Write("y.txt");
    window.AddToList("C:\\elsewhere.txt", true);
    window.AddToList(x, true);
    AddRecurse("*.*;*.txt");
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\elsewhere.txt", x, y}));
}

TEST_F(AddRecurseTest, AnEmptyPatternBoxTakesAllFilesHiddenOnesWhateverTheSwitch) {
    std::string a = folder.Write("a.jpg");
    std::string h = folder.Write("deep\\h.dat");
    SetFileAttributesA(h.c_str(), FILE_ATTRIBUTE_HIDDEN);
    for (const char* text : {"", "   "}) {
        for (int showHidden : {0, 1}) {
            window.RemoveFromList(true);
            window.chkHidden.SetValue(showHidden);
            AddRecurse(text);
            std::vector<std::string> rows = Rows();
            std::sort(rows.begin(), rows.end());
            EXPECT_EQ(rows, (std::vector<std::string>{a, h})) << "\"" << text << "\", hidden " << showHidden;
        }
    }
}

TEST_F(AddRecurseTest, NothingMatchingAddsNothing) {
    folder.Write("a.txt");
    AddRecurse("*.jpg");
    EXPECT_TRUE(Rows().empty());
    EXPECT_FALSE(window.tbMain.ButtonEnabled("RemoveAll"));
}

// A click on "Add Recurse" that arrives during one of a run's yields finds
// the run going and does nothing: the run's rows and yields are its own.
TEST_F(AddRecurseTest, ASecondAddRecurseDuringARunDoesNothing) {
    for (int i = 0; i < 25; ++i) folder.Write("f" + std::to_string(10 + i) + ".txt");
    for (int i = 0; i < 5; ++i) folder.Write("sub\\g" + std::to_string(i) + ".txt");
    window.cmbFilter.SetText("*.txt;*.*");

    unsigned long long start = rt::YieldCount();
    window.AddToListRecurse();
    const unsigned long long alone = rt::YieldCount() - start;
    const std::vector<std::string> rowsAlone = Rows();
    ASSERT_EQ(rowsAlone.size(), 30u);

    window.RemoveFromList(true);
    TBBUTTON recurse{};
    SendMessageA(window.tbfile.hwnd(), TB_GETBUTTON, kRecursePosition - 1, reinterpret_cast<LPARAM>(&recurse));
    ASSERT_TRUE(PostMessageA(window.hwnd(), WM_COMMAND, MAKEWPARAM(recurse.idCommand, BN_CLICKED),
                             reinterpret_cast<LPARAM>(window.tbfile.hwnd())));
    start = rt::YieldCount();
    window.AddToListRecurse();
    // One more yield: the click's own handler ran, and its scan did not.
    EXPECT_EQ(rt::YieldCount() - start, alone + 1);
    EXPECT_EQ(Rows(), rowsAlone);
    MSG left;
    EXPECT_FALSE(PeekMessageA(&left, window.hwnd(), WM_COMMAND, WM_COMMAND, PM_NOREMOVE));

    // Once the run has ended the button works again.
    window.RemoveFromList(true);
    window.tbfile.PressButton(kRecurseButton);
    EXPECT_EQ(Rows(), rowsAlone);
}

}  // namespace
