// rename's variant of the list window: its "Type" column, its toolbars, the
// list emptied on a folder change, and "Rename" on an empty list.
#include <array>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

#include "rename/frmSettings.h"
#include "rename_window_fixture.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using rename_test::RenameWindowTest;

namespace {

// Where the control's window stands in its form, against the design in twips
// (left, top, width, height); a pixel of rounding allowed.
void ExpectPlacedAt(const rt::Control& control, std::array<int, 4> twips) {
    RECT r{};
    GetWindowRect(control.hwnd(), &r);
    MapWindowPoints(nullptr, GetParent(control.hwnd()), reinterpret_cast<POINT*>(&r), 2);
    const std::array<int, 4> placed = {r.left, r.top, r.right - r.left, r.bottom - r.top};
    const std::array<int, 4> designed = {rt::TwipsToPixelsX(twips[0]), rt::TwipsToPixelsY(twips[1]),
                                         rt::TwipsToPixelsX(twips[2]), rt::TwipsToPixelsY(twips[3])};
    for (std::size_t i = 0; i < 4; ++i) EXPECT_LE(std::abs(placed[i] - designed[i]), 1) << control.Caption() << " " << i;
}

TEST_F(RenameWindowTest, ShowsTheRenameCaptionsColumnsAndButtons) {
    EXPECT_EQ(window.Caption(), "Rename 5.5.0");
    EXPECT_EQ(rt::AppDescription(), "File Rename Utility");
    EXPECT_EQ(window.lblForm[1].Caption(), "Files To Rename -");
    ExpectPlacedAt(window.lblForm[1], {60, 3120, 1650, 195});
    ExpectPlacedAt(window.lblFiles, {1740, 3120, 90, 195});
    ASSERT_EQ(window.lv1.Columns().size(), 4u);
    EXPECT_EQ(window.lv1.Columns()[2].caption, "Type");
    EXPECT_EQ(window.lv1.Columns()[2].key, "Type");
    EXPECT_EQ(window.lv1.Columns()[2].width, 750);
    ASSERT_EQ(window.tbfile.ButtonCount(), 2);  // no recursive add
    EXPECT_EQ(window.tbfile.Button(2).tag, "Add");
    ASSERT_EQ(window.tbMain.ButtonCount(), 8);
    const rt::ToolButton& rename = window.tbMain.Button(8);
    EXPECT_EQ(rename.caption, "Rename");
    EXPECT_EQ(rename.tag, "Rename");
    EXPECT_EQ(rename.toolTip, "Rename Files");
    EXPECT_TRUE(window.tbMain.ButtonEnabled("Rename"));
}

TEST_F(RenameWindowTest, TheTypeColumnShowsTheFileNamesEnding) {
    const struct {
        const char* path;
        const char* type;
    } cases[] = {
        {"C:\\Music\\README", "{unknown}"},
        {"C:\\Music\\Live.Set.MP3", "set.mp3"},
        {"C:\\Old.Files\\a.txt", "txt"},  // the file name's dot, not the folder's
        {"C:\\Old.Files\\notes", "{unknown}"},
    };
    for (const auto& c : cases) window.AddToList(c.path, true);
    ASSERT_EQ(window.lv1.Count(), static_cast<int>(std::size(cases)));
    for (int i = 0; i < window.lv1.Count(); ++i) EXPECT_EQ(window.lv1.SubItem(i, 2), cases[i].type) << cases[i].path;
}

// Loaded rows, the buttons as adding leaves them; then the folder changes,
// each time in another way.
TEST_F(RenameWindowTest, EveryFolderChangeEmptiesTheList) {
    const std::string sub = folder.MakeFolder("sub");
    const struct {
        const char* how;
        std::function<void()> change;
    } cases[] = {
        {"the folder pane", [&] { ASSERT_FALSE(window.Dir1.SetPath(sub)); }},
        {"a typed path",
         [&] {
             testkit::DialogAnswerer answers;
             answers.Expect(testkit::TypeText(folder.Path()));
             window.tbDir.PressButton("Input");
         }},
        {"another drive", [&] { window.Drive1.SetDrive("z"); }},
        {"Browse",
         [&] {
             testkit::DialogAnswerer answers;
             answers.Expect(testkit::ChooseFolder(sub));
             window.tbDir.PressButton("Browse");
         }},
    };
    ShowFolder();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.how);
        std::string list = folder.Write("list.txt", "C:\\elsewhere\\a.jpg\r\nC:\\elsewhere\\b.jpg\r\n");
        window.LoadFromFile(list);
        window.tbMain.SetButtonEnabled("Remove", true);  // a row was clicked
        ASSERT_EQ(window.lv1.Count(), 2);
        const std::string before = window.Dir1.Path();

        c.change();

        ASSERT_NE(window.Dir1.Path(), before);
        EXPECT_EQ(window.lv1.Count(), 0);
        EXPECT_EQ(window.lblFiles.Caption(), "0");
        for (const char* button : {"RemoveAll", "Remove", "Save"}) EXPECT_FALSE(window.tbMain.ButtonEnabled(button)) << button;
        const std::string shown = window.Dir1.Path();
        EXPECT_EQ(window.strCurrentFilePath, shown.back() == '\\' ? shown : shown + "\\");
    }
}

TEST_F(RenameWindowTest, RenameOnAnEmptyListSaysSoAndFocusesTheFilePane) {
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK));
    window.tbMain.PressButton("Rename");
    ASSERT_EQ(answers.Seen().size(), 1u);  // the message, and no dialog after it
    const testkit::SeenDialog& seen = answers.Seen()[0];
    EXPECT_EQ(seen.title, "Rename : File Not Found");
    EXPECT_EQ(seen.text, "No files in list, please add source files.");
    EXPECT_EQ(seen.icon, testkit::Icon::Warning);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});
    EXPECT_TRUE(window.File1.HasFocus());
}

// The user's whole road: the folder's files added, "Rename", a prefix typed
// into the dialog, "Proceed !". The first row's new name is the third row's
// present name, so the run goes through temporary names.
TEST_F(RenameWindowTest, RenamesTheListedFilesThroughTheDialog) {
    const std::vector<std::pair<std::string, std::string>> before = {
        {"a.txt", "A"}, {"b.JPG", "B"}, {"Pic01.txt", "P"}};
    for (const auto& [name, content] : before) folder.Write(name, content);
    ShowFolder();
    window.tbfile.PressButton("AddAll");  // "Add All"
    ASSERT_EQ(window.lv1.Count(), 3);
    ASSERT_EQ(window.lv1.Text(0), folder / "a.txt");

    // A dialog typed into and cancelled leaves nothing for the next opening.
    const auto dialogIn = [](HWND hwnd) {
        auto* dialog = dynamic_cast<renamer::frmSettings*>(rt::Form::FromHwnd(hwnd));
        EXPECT_TRUE(dialog);
        return dialog;
    };
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::ClickToolButton("Cancel", [&](HWND h) {
        EXPECT_EQ(GetWindow(h, GW_OWNER), window.hwnd());
        if (auto* d = dialogIn(h)) d->txtPrefix.SetText("Zzz");
    }));
    window.tbMain.PressButton("Rename");
    answers.Expect(testkit::ClickToolButton("Proceed !", [&](HWND h) {
        auto* d = dialogIn(h);
        if (!d) return;
        EXPECT_EQ(d->txtPrefix.Text(), "");
        EXPECT_EQ(d->txtStartNumber.Text(), "01");
        d->txtPrefix.SetText("Pic");
    }));
    const unsigned long long yields = rt::YieldCount();
    window.tbMain.PressButton("Rename");

    EXPECT_EQ(answers.Seen().size(), 2u);
    EXPECT_EQ(rt::YieldCount() - yields, 1u);  // one yield for the whole run
    EXPECT_FALSE(rt::IsHourglass());
    EXPECT_EQ(window.lv1.Count(), 0);
    EXPECT_EQ(window.lblFiles.Caption(), "0");
    EXPECT_EQ(FilePane(), (std::vector<std::string>{"Pic01.txt", "Pic02.JPG", "Pic03.txt"}));
    const std::pair<const char*, const char*> after[] = {{"Pic01.txt", "A"}, {"Pic02.JPG", "B"}, {"Pic03.txt", "P"}};
    for (const auto& [name, content] : after) {
        std::ifstream in(folder / name, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), content) << name;
    }
}

}  // namespace
