// lumatra's variant of the list window: its captions, patterns and main
// toolbar, the toolbar's states as rows come and go, a list that survives a
// folder change, and "Slide Show" on an empty list.
#include <string>
#include <vector>

#include "lumatra_window_fixture.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using lumatra_test::LumatraWindowTest;

namespace {

RECT PlacedRect(const rt::Control& control) {
    RECT r{};
    GetWindowRect(control.hwnd(), &r);
    MapWindowPoints(nullptr, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

TEST_F(LumatraWindowTest, ShowsTheSlideShowCaptionsPatternsAndButtons) {
    EXPECT_EQ(window.Caption(), "Lumatra 5.5.0");
    EXPECT_EQ(rt::AppDescription(), "Lumatra Utility");
    EXPECT_EQ(window.lblForm[1].Caption(), "Slide Show Files -");
    const RECT caption = PlacedRect(window.lblForm[1]), count = PlacedRect(window.lblFiles);
    EXPECT_NEAR(caption.left, rt::TwipsToPixelsX(60), 1);
    EXPECT_NEAR(caption.top, rt::TwipsToPixelsY(3120), 1);
    EXPECT_NEAR(caption.right - caption.left, rt::TwipsToPixelsX(1620), 1);
    EXPECT_NEAR(count.left, rt::TwipsToPixelsX(1740), 1);
    EXPECT_EQ(window.lv1.Columns()[2].caption, "Type");

    const std::vector<std::string> patterns = {"*.jpg;*.gif;*.bmp", "*.jpg", "*.gif",     "*.bmp",
                                               "*.ico;*.cur",       "*.wmf;*.emf", "*.*"};
    EXPECT_EQ(window.cmbFilter.Items(), patterns);
    EXPECT_EQ(window.cmbFilter.ListIndex(), 0);
    EXPECT_EQ(window.File1.Pattern(), "*.jpg;*.gif;*.bmp");

    ASSERT_EQ(window.tbfile.ButtonCount(), 2);  // no recursive add
    const struct {
        const char* caption;
        const char* tag;
        const char* toolTip;
        bool enabled;
    } buttons[] = {
        {"Remove All", "RemoveAll", "Remove All", false},
        {"Remove", "Remove", "Remove Selected Items", false},
        {"", "", "", true},
        {"Load", "Load", "Load File List", true},
        {"Save", "Save", "Save File List", false},
        {"", "", "", true},
        {"Help", "Help", "Help", true},
        {"Settings", "Settings", "Slide Show Settings", true},
        {"Slide Show", "SlideShow", "Begin Slide Show", true},
    };
    ASSERT_EQ(window.tbMain.ButtonCount(), 9);
    for (int i = 1; i <= 9; ++i) {
        const rt::ToolButton& b = window.tbMain.Button(i);
        const auto& want = buttons[i - 1];
        EXPECT_EQ(b.caption, want.caption) << i;
        EXPECT_EQ(b.tag, want.tag) << i;
        EXPECT_EQ(b.toolTip, want.toolTip) << i;
        EXPECT_EQ(b.separator, i == 3 || i == 6) << i;
        if (!b.separator) {
            EXPECT_EQ(window.tbMain.ButtonEnabled(b.tag), want.enabled) << i;
        }
    }
}

// Buttons 1, 2 and 5 follow the rows; "Settings" and "Slide Show" stay on.
TEST_F(LumatraWindowTest, TheButtonsFollowTheRowsAndAFolderChangeKeepsThem) {
    folder.Write("a.jpg", "x");
    folder.Write("b.bmp", "x");
    ASSERT_FALSE(window.Drive1.SetDrive(folder.Path()));
    ASSERT_FALSE(window.Dir1.SetPath(folder.Path()));
    const auto states = [&] {
        std::vector<bool> on;
        for (const char* key : {"RemoveAll", "Remove", "Save", "Settings", "SlideShow"})
            on.push_back(window.tbMain.ButtonEnabled(key));
        return on;
    };

    window.tbfile.PressButton("AddAll");  // "Add All"
    ASSERT_EQ(window.lv1.Count(), 2);
    EXPECT_EQ(window.lv1.SubItem(0, 2), "jpg");
    EXPECT_EQ(window.lblFiles.Caption(), "2");
    EXPECT_EQ(states(), (std::vector<bool>{true, false, true, true, true}));

    ASSERT_FALSE(window.Dir1.SetPath(folder.MakeFolder("sub")));
    EXPECT_EQ(window.lv1.Count(), 2);
    EXPECT_EQ(window.strCurrentFilePath, folder / "sub\\");

    window.tbMain.PressButton("RemoveAll");  // "Remove All"
    EXPECT_EQ(window.lv1.Count(), 0);
    EXPECT_EQ(window.lblFiles.Caption(), "0");
    EXPECT_EQ(states(), (std::vector<bool>{false, false, false, true, true}));
}

TEST_F(LumatraWindowTest, SlideShowOnAnEmptyListSaysSoAndFocusesTheFilePane) {
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK));
    window.tbMain.PressButton("SlideShow");
    ASSERT_EQ(answers.Seen().size(), 1u);  // the message, and no show after it
    const testkit::SeenDialog& seen = answers.Seen()[0];
    EXPECT_EQ(seen.title, "Lumatra : File Not Found");
    EXPECT_EQ(seen.text, "No files in list, please add source files.");
    EXPECT_EQ(seen.icon, testkit::Icon::Warning);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(window.File1.HasFocus());
}

}  // namespace
