// The drive, folder and file panes, driven through their controls as a user would.
#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "list_window_fixture.h"
#include "rt/drives.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

namespace {

using filelist_test::ListWindowTest;

class PanesTest : public ListWindowTest {
protected:
    void TearDown() override { rt::SetDriveReadyProbe(nullptr); }

    // Moves the panes to a folder the way "Input" does.
    void GoTo(const std::string& path) {
        window->Drive1.SetDrive(path);
        ASSERT_FALSE(window->Dir1.SetPath(path));
    }

    void ClickFile(int index, UINT message = WM_LBUTTONDOWN) {
        HWND list = window->File1.hwnd();
        RECT item{};
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM(item.left + 4, item.top + 2);
        SendMessageA(list, message, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    }

    // Typing into the pattern box, key by key, as a user does.
    void TypePattern(const std::string& text) {
        HWND edit = FindWindowExA(window->cmbFilter.hwnd(), nullptr, "Edit", nullptr);
        SendMessageA(edit, EM_SETSEL, 0, -1);
        for (char c : text) SendMessageA(edit, WM_CHAR, static_cast<unsigned char>(c), 1);
    }

    void RightClickFolders() {
        SendMessageA(window->Dir1.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(4, 4));
        SendMessageA(window->Dir1.hwnd(), WM_RBUTTONUP, 0, MAKELPARAM(4, 4));
    }

    bool AddAll() const { return window->tbfile.ButtonEnabled("AddAll"); }
    bool Add() const { return window->tbfile.ButtonEnabled("Add"); }

    // What the three panes and the current path show; they must agree.
    struct Where {
        std::string drive, dir, file, current;
        bool operator==(const Where&) const = default;
        friend std::ostream& operator<<(std::ostream& os, const Where& w) {
            return os << w.drive << " | " << w.dir << " | " << w.file << " | " << w.current;
        }
    };
    Where Now() const {
        return {window->Drive1.Drive(), window->Dir1.Path(), window->File1.Path(), window->strCurrentFilePath};
    }
    void ExpectAgreeing() const {
        Where w = Now();
        EXPECT_EQ(w.file, w.dir);
        EXPECT_EQ(w.current, w.dir.back() == '\\' ? w.dir : w.dir + "\\");
        EXPECT_EQ(std::tolower(w.drive[0]), std::tolower(w.dir[0]));
    }
};

TEST_F(PanesTest, CurrentFilePathHasExactlyOneTrailingBackslash) {
    GoTo("C:\\");
    EXPECT_EQ(window->strCurrentFilePath, "C:\\");
    GoTo(folder.Path());
    EXPECT_EQ(window->strCurrentFilePath, folder.Path() + "\\");
    ExpectAgreeing();
}

TEST_F(PanesTest, AddButtonsFollowFolderPatternHiddenSwitchAndClick) {
    folder.Write("a.txt");
    std::string hiddenOnly = folder.MakeFolder("hiddenonly");
    std::string hidden = folder.Write("hiddenonly\\h.txt");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);

    GoTo(folder.Path());
    EXPECT_TRUE(AddAll());
    EXPECT_FALSE(Add());
    ClickFile(0);
    EXPECT_TRUE(Add());

    window->cmbFilter.SetListIndex(2);  // "*.jpg": nothing here
    EXPECT_EQ(window->File1.ListCount(), 0);
    EXPECT_FALSE(AddAll());
    EXPECT_FALSE(Add());
    window->cmbFilter.SetListIndex(0);
    EXPECT_TRUE(AddAll());
    EXPECT_FALSE(Add());

    // Typed text waits for the next folder change.
    TypePattern("*.jpg");
    EXPECT_EQ(window->cmbFilter.Text(), "*.jpg");
    EXPECT_EQ(window->File1.Pattern(), "*.*");
    ClickFile(0);
    EXPECT_TRUE(Add());
    GoTo(hiddenOnly);
    EXPECT_EQ(window->File1.Pattern(), "*.jpg");
    window->cmbFilter.SetListIndex(0);
    EXPECT_FALSE(AddAll());
    EXPECT_FALSE(Add());

    window->chkHidden.SetValue(1);
    EXPECT_TRUE(window->File1.Hidden());
    EXPECT_TRUE(AddAll());
    EXPECT_FALSE(Add());
    window->chkHidden.SetValue(0);
    EXPECT_FALSE(AddAll());
}

// The file pane in the platform's order, ignoring case, as its list box
// shows it: hidden files only when asked for, system files and folders
// never, a name the code page cannot hold as the 8-bit listing spells it.
TEST_F(PanesTest, FilePaneListsNamesInThePlatformsOrder) {
    for (const char* name : {"b.txt", "A.txt", "_x.txt", "c-z.txt", "ca.txt", "10.txt", "9.txt", "caf\xE9.txt",
                             "cafe.txt", "h.txt", "s.txt", "hs.txt"})
        folder.Write(name);
    SetFileAttributesA((folder / "h.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA((folder / "s.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA((folder / "hs.txt").c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM);
    folder.MakeFolder("sub");
    const std::wstring wide = L"\\\\?\\" + std::wstring(folder.Path().begin(), folder.Path().end()) + L"\\\x0436.txt";
    CloseHandle(CreateFileW(wide.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    GoTo(folder.Path());
    auto shown = [&] {
        std::vector<std::string> names;
        HWND box = window->File1.hwnd();
        for (int i = 0; i < static_cast<int>(SendMessageA(box, LB_GETCOUNT, 0, 0)); ++i) {
            char text[MAX_PATH] = {};
            SendMessageA(box, LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            names.push_back(text);
            EXPECT_EQ(window->File1.List(i), text);
        }
        EXPECT_EQ(window->File1.ListCount(), static_cast<int>(names.size()));
        return names;
    };
    const std::vector<std::string> visible{"?.txt", "_x.txt", "10.txt", "9.txt", "A.txt", "b.txt",
                                           "ca.txt", "cafe.txt", "caf\xE9.txt", "c-z.txt"};
    EXPECT_EQ(shown(), visible);
    window->chkHidden.SetValue(1);
    std::vector<std::string> withHidden = visible;
    withHidden.insert(withHidden.end(), "h.txt");
    EXPECT_EQ(shown(), withHidden);
    window->chkHidden.SetValue(0);
    EXPECT_EQ(shown(), visible);
}

TEST_F(PanesTest, DoubleClickingAFileTwiceGivesOneRow) {
    std::string file = folder.Write("a.txt");
    GoTo(folder.Path());
    ClickFile(0, WM_LBUTTONDBLCLK);
    ClickFile(0, WM_LBUTTONDBLCLK);
    EXPECT_EQ(Rows(), (std::vector<std::string>{file}));
    EXPECT_EQ(window->lblFiles.Caption(), "1");
    EXPECT_TRUE(Enabled("RemoveAll"));
    EXPECT_FALSE(Enabled("Remove"));
    EXPECT_TRUE(Enabled("Save"));
    EXPECT_FALSE(rt::IsHourglass());
}

TEST_F(PanesTest, ATypedFolderThePanesCannotShowChangesNothing) {
    std::string file = folder.Write("a.txt");
    std::string target = folder.MakeFolder("target");
    GoTo(folder.Path());
    const Where before = Now();
    rt::SetDriveReadyProbe([](char letter) { return std::tolower(letter) != 'z'; });

    testkit::DialogAnswerer answers;
    std::string prompt;
    testkit::Answer missing = testkit::TypeText(folder / "no such folder");
    missing.inspect = [&](HWND box) { prompt = rt::WindowText(FindWindowExA(box, nullptr, "Static", nullptr)); };
    const std::vector<testkit::Answer> refused = {
        missing,
        testkit::TypeText(file),
        testkit::TypeText(folder / "*.txt"),
        testkit::TypeText("Z:\\"),  // a drive that is not ready
        testkit::TypeText(testkit::PathWrappingTo(target)),
        testkit::TypeText("anything", IDCANCEL),
    };
    for (const testkit::Answer& a : refused) {
        answers.Expect(a);
        RightClickFolders();
        EXPECT_EQ(Now(), before) << *a.text;
    }
    // A left click never asks.
    SendMessageA(window->Dir1.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(4, 4));
    ASSERT_EQ(answers.Seen().size(), refused.size());
    EXPECT_EQ(prompt, "Enter a directory...");
    EXPECT_EQ(answers.Seen()[0].title, "Select Directory");

    answers.Expect(testkit::TypeText(target));
    window->tbDir.PressButton("Input");
    EXPECT_EQ(window->Dir1.Path(), target);
    ExpectAgreeing();
}

// The drive layer's readiness probe stands in for a drive without medium.
TEST_F(PanesTest, DriveNotReadyRetriesUntilReadyOrCancelsBackToTheFolderShown) {
    GoTo(folder.Path());
    bool ready = false;
    rt::SetDriveReadyProbe([&](char letter) { return std::tolower(letter) != 'z' || ready; });

    testkit::DialogAnswerer answers;
    testkit::Answer retryOnceReady = testkit::Press(IDRETRY);
    retryOnceReady.inspect = [&](HWND) { ready = true; };
    answers.Expect(testkit::Press(IDRETRY)).Expect(retryOnceReady);
    window->Drive1.SetDrive("z");
    ASSERT_EQ(answers.Seen().size(), 2u);
    for (const testkit::SeenDialog& seen : answers.Seen()) {
        EXPECT_EQ(seen.title, "Drive Error");
        EXPECT_EQ(seen.text, "Drive Z: not ready.  Please insert disk in drive.");
        EXPECT_EQ(seen.icon, testkit::Icon::Warning);
        EXPECT_EQ(seen.buttons, (std::vector<int>{IDRETRY, IDCANCEL}));
    }
    EXPECT_EQ(std::tolower(window->Dir1.Path()[0]), 'z');
    ExpectAgreeing();
    EXPECT_FALSE(rt::IsHourglass());

    GoTo(folder.Path());
    ready = false;
    answers.Expect(testkit::Press(IDCANCEL));
    window->Drive1.SetDrive("z");
    ASSERT_EQ(answers.Seen().size(), 3u);
    // Back on the drive of the folder shown, at that drive's current folder.
    EXPECT_EQ(window->Drive1.Drive().substr(0, 2), "c:");
    EXPECT_EQ(std::tolower(window->Dir1.Path()[0]), 'c');
    ExpectAgreeing();
    EXPECT_FALSE(rt::IsHourglass());
}

// A drive letter mapped to a folder that is not there: the drive is
// present, its folders cannot be reached.
class UnreachableDrive {
public:
    explicit UnreachableDrive(std::string target) : target_(std::move(target)) {
        const DWORD used = GetLogicalDrives();
        for (char c = 'x'; c > 'e' && !letter; --c) {
            if (!(used & (1u << (c - 'a')))) letter = c;
        }
        if (letter && !DefineDosDeviceA(0, Device().c_str(), target_.c_str())) letter = 0;
    }
    ~UnreachableDrive() {
        if (letter) DefineDosDeviceA(DDD_REMOVE_DEFINITION, Device().c_str(), nullptr);
    }
    UnreachableDrive(const UnreachableDrive&) = delete;
    UnreachableDrive& operator=(const UnreachableDrive&) = delete;
    std::string Device() const { return std::string(1, letter) + ":"; }

    char letter = 0;

private:
    std::string target_;
};

// Chosen in the drive pane: "Error changing drive.", and the panes stay with
// the folder shown (here its drive's current folder, where the return to that
// drive leads); a list emptied on a folder change keeps its rows, as the
// folder did not change.
TEST_F(PanesTest, ADriveWhoseFoldersCannotBeReachedLeavesThePanesWithTheFolderShown) {
    UnreachableDrive drive(folder / "gone");
    ASSERT_NE(drive.letter, 0);
    filelist::ListWindowVariant emptying = filelist_test::AttributeVariant();
    emptying.emptyListOnFolderChange = true;
    window = std::make_unique<filelist::ListWindow>(emptying);
    window->Show();
    std::string home;
    ASSERT_FALSE(rt::DriveCurrentFolder(folder.Path()[0], home));
    GoTo(home);
    window->AddToList(folder.Write("a.txt"), true);
    const Where before = Now();

    HWND drives = window->Drive1.hwnd();
    const LRESULT index = SendMessageA(drives, CB_FINDSTRING, static_cast<WPARAM>(-1),
                                       reinterpret_cast<LPARAM>(drive.Device().c_str()));
    ASSERT_GE(index, 0);
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK));
    SendMessageA(drives, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(window->hwnd(), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(drives), CBN_SELCHANGE),
                 reinterpret_cast<LPARAM>(drives));
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].title, "Drive Error");
    EXPECT_EQ(answers.Seen()[0].text, "Error changing drive.");
    EXPECT_EQ(answers.Seen()[0].icon, testkit::Icon::Warning);
    EXPECT_EQ(answers.Seen()[0].buttons, (std::vector<int>{IDOK}));
    EXPECT_EQ(Now(), before);
    EXPECT_EQ(SendMessageA(drives, CB_GETCURSEL, 0, 0),
              SendMessageA(drives, CB_FINDSTRING, static_cast<WPARAM>(-1),
                           reinterpret_cast<LPARAM>(before.drive.substr(0, 2).c_str())));
    EXPECT_EQ(window->lv1.Count(), 1);
    EXPECT_FALSE(rt::IsHourglass());
}

// The drive pane's text carries the volume label ("c: [SYSTEM]"); the
// folder pane still takes it as the drive alone.
TEST_F(PanesTest, TheFolderPaneTakesTheDrivePanesTextWithALabel) {
    GoTo(folder.Path());
    ASSERT_FALSE(window->Dir1.SetPath("z: [UNIX]"));
    EXPECT_EQ(std::tolower(window->Dir1.Path()[0]), 'z');
    EXPECT_NE(window->Dir1.Path().back(), '\\');
}

}  // namespace
