// The rename dialog: its design, its keys, and the checks of "Proceed !"
// with their messages, as the user meets them.
#include <windows.h>

#include <string>

#include "rename/frmSettings.h"
#include "rename_window_fixture.h"
#include "rt/events.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using rename_test::RenameWindowTest;

namespace {

// Presses a key where the focus is, through the message loop, as the user does.
void PressKey(HWND focused, int key) {
    PostMessageA(focused, WM_KEYDOWN, key, 0);
    rt::DoEvents();
}

RECT WindowRect(HWND h) {
    RECT r{};
    GetWindowRect(h, &r);
    return r;
}

TEST_F(RenameWindowTest, TheDialogIsAsDesigned) {
    renamer::frmSettings dialog(window);
    dialog.Show();
    ASSERT_TRUE(dialog.IsLoaded());
    EXPECT_EQ(dialog.Caption(), "Rename Parameters");
    RECT client{};
    GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(client.right, rt::TwipsToPixelsX(3270));
    EXPECT_EQ(client.bottom, rt::TwipsToPixelsY(2520));
    const LONG style = GetWindowLongA(dialog.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_FALSE(style & WS_THICKFRAME);
    // Centred on the list window.
    const RECT d = WindowRect(dialog.hwnd()), w = WindowRect(window.hwnd());
    EXPECT_LE(std::abs((d.left + d.right) - (w.left + w.right)), 2);
    EXPECT_LE(std::abs((d.top + d.bottom) - (w.top + w.bottom)), 2);

    EXPECT_EQ(dialog.lblSettings[2].Caption(),
              "All files will be renamed sequentially according to the parameters below...");
    EXPECT_EQ(dialog.lblSettings[0].Caption(), "File Name Prefix:");
    EXPECT_EQ(dialog.lblSettings[1].Caption(), "Starting Number:");
    EXPECT_EQ(dialog.txtPrefix.Text(), "");
    EXPECT_EQ(dialog.txtStartNumber.Text(), "01");
    EXPECT_GE(SendMessageA(dialog.txtPrefix.hwnd(), EM_GETLIMITTEXT, 0, 0), 0x7FFFFFFE);
    EXPECT_EQ(SendMessageA(dialog.txtStartNumber.hwnd(), EM_GETLIMITTEXT, 0, 0), 7);
    ASSERT_EQ(dialog.tbMain.ButtonCount(), 2);
    EXPECT_EQ(dialog.tbMain.Button(1).tag, "Cancel");
    EXPECT_EQ(dialog.tbMain.Button(2).caption, "Proceed !");
    EXPECT_EQ(dialog.tbMain.Button(2).tag, "Apply");
    EXPECT_EQ(dialog.tbMain.Button(2).toolTip, "Proceed With Rename");

    // The first field has the focus; Tab goes through the fields and the
    // toolbar in tab order, never to a label.
    EXPECT_TRUE(dialog.txtPrefix.HasFocus());
    const rt::Control* order[] = {&dialog.txtStartNumber, &dialog.tbMain, &dialog.txtPrefix};
    for (const rt::Control* next : order) {
        PressKey(GetFocus(), VK_TAB);
        EXPECT_TRUE(next->HasFocus()) << next->Top();
    }
}

TEST_F(RenameWindowTest, EscapeAndCancelCloseTheDialogWithoutRenaming) {
    const std::string file = folder.Write("a.txt", "A");
    window.AddToList(file, true);
    for (bool escape : {true, false}) {
        SCOPED_TRACE(escape ? "Escape" : "Cancel");
        renamer::frmSettings dialog(window);
        dialog.Show();
        dialog.txtPrefix.SetText("Pic");
        dialog.txtStartNumber.SetFocus();
        if (escape) {
            PressKey(dialog.txtStartNumber.hwnd(), VK_ESCAPE);
        } else {
            dialog.tbMain.PressButton("Cancel");
        }
        EXPECT_FALSE(dialog.IsLoaded());
        EXPECT_EQ(window.lv1.Count(), 1);
        EXPECT_EQ(GetFileAttributesA(file.c_str()) != INVALID_FILE_ATTRIBUTES, true);
    }
}

enum class Outcome { Refused, Warns, Runs };

struct CheckCase {
    const char* prefix;
    const char* start;
    int rows;
    Outcome outcome;
    const char* message = nullptr;  // the refusal's
    const char* topic = nullptr;
    bool numberFocused = false;     // the refusal focuses the starting number, else the prefix
};

const char kPrefixRequired[] = "A file name prefix is required.";
const char kInvalidPrefix[] = "Invalid prefix name, cannot start with a number or symbol.";
const char kNumberRequired[] = "Invalid starting number, a number is required.";

const CheckCase kChecks[] = {
    {"   ", "01", 3, Outcome::Refused, kPrefixRequired, " : Prefix Required"},
    {"1abc", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {".x", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {",x", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {"+x", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {"'x", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {"\xC9x", "01", 3, Outcome::Refused, kInvalidPrefix, " : Invalid Prefix"},
    {"RN~x", "01", 3, Outcome::Refused, "Illegal prefix name, [rn~] is reserved.", " : Error"},
    {"Pic", "abc", 3, Outcome::Refused, kNumberRequired, " : Starting Number Required", true},
    {"Pic", "9.9E+99", 3, Outcome::Refused, kNumberRequired, " : Starting Number Required", true},
    {"_x", "01", 3, Outcome::Runs},
    {"~x", "01", 3, Outcome::Runs},
    {"Pic", "1.5", 3, Outcome::Runs},
    {"abc", "01", 5, Outcome::Runs},
    {"abcdef", "01", 150, Outcome::Warns},  // the last number, 150, has three digits
};

renamer::frmSettings* AsDialog(HWND hwnd) { return dynamic_cast<renamer::frmSettings*>(rt::Form::FromHwnd(hwnd)); }

// Types the case into the dialog, the caret left in the starting number, and
// clicks "Proceed !".
testkit::Answer Proceed(const CheckCase& c) {
    return testkit::ClickToolButton("Proceed !", [&c](HWND hwnd) {
        renamer::frmSettings* dialog = AsDialog(hwnd);
        ASSERT_TRUE(dialog);
        dialog->txtPrefix.SetText(c.prefix);
        dialog->txtStartNumber.SetText(c.start);
        dialog->txtStartNumber.SetFocus();
    });
}

// The dialog is back, as typed, the focus in that field; then button.
testkit::Answer StillOpen(const CheckCase& c, bool numberFocused, const char* button) {
    return testkit::ClickToolButton(button, [&c, numberFocused](HWND hwnd) {
        renamer::frmSettings* dialog = AsDialog(hwnd);
        ASSERT_TRUE(dialog);
        EXPECT_EQ(dialog->txtPrefix.Text(), c.prefix);
        EXPECT_EQ(dialog->txtStartNumber.Text(), c.start);
        EXPECT_TRUE((numberFocused ? dialog->txtStartNumber : dialog->txtPrefix).HasFocus());
    });
}

// Each case from "Rename" through "Proceed !": a refusal keeps the dialog
// open with the texts as typed and the focus in its field; the warning asks,
// No keeps the dialog open and Yes runs; a run empties the list and closes
// the dialog.
TEST_F(RenameWindowTest, ProceedChecksThePrefixAndTheNumberInOrder) {
    for (const CheckCase& c : kChecks) {
        SCOPED_TRACE(std::string("\"") + c.prefix + "\", \"" + c.start + "\", " + std::to_string(c.rows) + " rows");
        window.RemoveFromList(true);
        ListMissingFiles(c.rows);
        testkit::DialogAnswerer answers;
        answers.Expect(Proceed(c));
        if (c.outcome == Outcome::Refused)
            answers.Expect(testkit::Press(IDOK)).Expect(StillOpen(c, c.numberFocused, "Cancel"));
        if (c.outcome == Outcome::Warns)
            answers.Expect(testkit::Press(IDNO)).Expect(StillOpen(c, true, "Proceed !")).Expect(testkit::Press(IDYES));

        window.tbMain.PressButton("Rename");

        const std::vector<testkit::SeenDialog>& seen = answers.Seen();
        ASSERT_EQ(seen.size(), c.outcome == Outcome::Refused ? 3u : c.outcome == Outcome::Warns ? 4u : 1u);
        EXPECT_EQ(seen[0].title, "Rename Parameters");
        if (c.outcome == Outcome::Refused) {
            EXPECT_EQ(seen[1].title, std::string("Rename") + c.topic);
            EXPECT_EQ(seen[1].text, c.message);
            EXPECT_EQ(seen[1].icon, testkit::Icon::Warning);
            EXPECT_EQ(seen[1].buttons, std::vector<int>{IDOK});
            EXPECT_EQ(window.lv1.Count(), c.rows);  // nothing ran
            continue;
        }
        if (c.outcome == Outcome::Warns) {
            for (std::size_t box : {1u, 3u}) {
                EXPECT_EQ(seen[box].title, "Rename : Max Limit");
                EXPECT_EQ(seen[box].text, "You will exceed the 8 chearacter DOS limit.\n\nDo you wish to continue?");
                EXPECT_EQ(seen[box].icon, testkit::Icon::Question);
                EXPECT_EQ(seen[box].buttons, (std::vector<int>{IDYES, IDNO}));
            }
        }
        EXPECT_EQ(window.lv1.Count(), 0);  // the run emptied the list
    }
}

}  // namespace
