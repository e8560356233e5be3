#include "foundation/modDialog32.h"

#include <gtest/gtest.h>
#include <shlobj.h>

#include "rt/events.h"
#include "testkit/dialog_answerer.h"

using modDialog32::BrowseForFolder;
using modDialog32::kOpenDialog;
using modDialog32::kSaveDialog;
using modDialog32::ShowFileDialog;
using testkit::DialogAnswerer;

namespace {

constexpr int kReadOnlyBox = 0x410;
const std::string kAllFiles("All Files (*.*)\0*.*", 19);

// A folder of its own in the temp folder holding a.txt and b.txt.
class ModDialog32 : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, temp);
        temp_ = temp;
        dir_ = temp_ + "dlg32-" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
        for (const char* name : {"a.txt", "b.txt"}) Touch(Path(name));
    }

    void TearDown() override {
        // The file dialogs make the folder of the pick the current one.
        SetCurrentDirectoryA(temp_.c_str());
        for (const char* name : {"a.txt", "b.txt"}) DeleteFileA(Path(name).c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string Path(const std::string& name) const { return dir_ + "\\" + name; }

    static void Touch(const std::string& path) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE);
        CloseHandle(h);
    }

    std::string Open(const std::string& initialName = "", std::optional<bool> multiSelect = std::nullopt) {
        return ShowFileDialog(nullptr, kOpenDialog, "Select File", initialName, kAllFiles, dir_, "", multiSelect);
    }

    std::string Save(const std::string& defaultExtension) {
        return ShowFileDialog(nullptr, kSaveDialog, "Save File List As...", "", kAllFiles, dir_, defaultExtension);
    }

    std::string temp_;
    std::string dir_;
};

TEST_F(ModDialog32, OpenDialogReturnsThePickedPath) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName(Path("a.txt")));
    EXPECT_EQ(Open(), Path("a.txt"));
    ASSERT_EQ(kit.Seen().size(), 1u);
    EXPECT_EQ(kit.Seen()[0].title, "Select File");
}

TEST_F(ModDialog32, ResultIsNotMixedWithALongerInitialName) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName(Path("a.txt")));
    EXPECT_EQ(Open(Path("a much longer initial name than the pick.txt")), Path("a.txt"));
}

TEST_F(ModDialog32, CancelGivesEmpty) {
    for (int mode : {kOpenDialog, kSaveDialog}) {
        DialogAnswerer kit;
        kit.Expect(testkit::Press(IDCANCEL));
        EXPECT_EQ(ShowFileDialog(nullptr, mode, "Title", "a.txt", kAllFiles, dir_, "txt"), "") << mode;
        EXPECT_EQ(kit.Seen().size(), 1u);
    }
}

TEST_F(ModDialog32, SaveDialogAddsTheDefaultExtension) {
    struct Case {
        const char* extension;
        const char* result;
    } cases[] = {{"txt", "list.txt"}, {"", "list"}};
    for (const Case& c : cases) {
        DialogAnswerer kit;
        kit.Expect(testkit::TypeFileName(Path("list")));
        EXPECT_EQ(Save(c.extension), Path(c.result)) << c.extension;
    }
}

TEST_F(ModDialog32, SaveDialogAsksBeforeOverwriting) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName(Path("a.txt")))
        .Expect(testkit::Press(IDNO))
        .Expect(testkit::TypeFileName(Path("b.txt")))
        .Expect(testkit::Press(IDYES));
    EXPECT_EQ(Save("txt"), Path("b.txt"));
    ASSERT_EQ(kit.Seen().size(), 4u);
    // Each pick of an existing file is met by a Yes/No question; No goes back to the dialog.
    for (size_t prompt : {1, 3}) EXPECT_EQ(kit.Seen()[prompt].buttons, (std::vector<int>{IDYES, IDNO}));
    EXPECT_EQ(kit.Seen()[2].title, "Save File List As...");
}

TEST_F(ModDialog32, OpenDialogRefusesAMissingFile) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName(Path("missing.txt")))
        .Expect(testkit::Press(IDOK))
        .Expect(testkit::Press(IDCANCEL));
    EXPECT_EQ(Open(), "");
    ASSERT_EQ(kit.Seen().size(), 3u);
    EXPECT_EQ(kit.Seen()[2].title, "Select File");
}

TEST_F(ModDialog32, InitialNameTooLongForTheBufferGivesEmptyWithoutADialog) {
    DialogAnswerer kit;
    EXPECT_EQ(Open(std::string(1021, 'x')), "");
    EXPECT_TRUE(kit.Seen().empty());
}

TEST_F(ModDialog32, MultiplePickGivesFolderThenNamesWithOneYieldEach) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName("\"a.txt\" \"b.txt\""));
    unsigned long long before = rt::YieldCount();
    EXPECT_EQ(Open("", true), dir_ + ",a.txt,b.txt");
    EXPECT_EQ(rt::YieldCount() - before, 3u);
}

TEST_F(ModDialog32, SinglePickInAMultiSelectDialogGivesThePath) {
    DialogAnswerer kit;
    kit.Expect(testkit::TypeFileName(Path("b.txt")));
    EXPECT_EQ(Open("", true), Path("b.txt"));
}

TEST_F(ModDialog32, ReadOnlyBoxShowsOnlyInTheExplorerSingleOpen) {
    struct Case {
        std::optional<bool> multiSelect;
        bool readOnlyBox;
    } cases[] = {{std::nullopt, false}, {true, false}, {false, true}};
    for (const Case& c : cases) {
        DialogAnswerer kit;
        testkit::Answer cancel = testkit::Press(IDCANCEL);
        bool shown = false;
        cancel.inspect = [&](HWND dialog) {
            HWND box = GetDlgItem(dialog, kReadOnlyBox);
            shown = box && IsWindowVisible(box);
        };
        kit.Expect(cancel);
        Open("", c.multiSelect);
        EXPECT_EQ(shown, c.readOnlyBox) << c.multiSelect.has_value();
    }
}

TEST_F(ModDialog32, FolderPickerReturnsTheChosenFolder) {
    DialogAnswerer kit;
    kit.Expect(testkit::ChooseFolder(dir_));
    EXPECT_EQ(BrowseForFolder(nullptr, "Select Folder"), dir_);
    ASSERT_EQ(kit.Seen().size(), 1u);
    EXPECT_EQ(kit.Seen()[0].title, "Browse for Folder");
}

TEST_F(ModDialog32, FolderPickerCancelGivesEmpty) {
    DialogAnswerer kit;
    kit.Expect(testkit::Press(IDCANCEL));
    EXPECT_EQ(BrowseForFolder(nullptr, "Select Folder"), "");
}

TEST_F(ModDialog32, FolderPickerCannotConfirmAVirtualFolder) {
    DialogAnswerer kit;
    testkit::Answer cancel = testkit::Press(IDCANCEL);
    bool okEnabled = true;
    cancel.inspect = [&](HWND dialog) {
        LPITEMIDLIST drives = nullptr;
        ASSERT_EQ(SHGetSpecialFolderLocation(dialog, CSIDL_DRIVES, &drives), S_OK);
        SendMessageA(dialog, BFFM_SETSELECTIONA, FALSE, reinterpret_cast<LPARAM>(drives));
        CoTaskMemFree(drives);
        okEnabled = IsWindowEnabled(GetDlgItem(dialog, IDOK));
    };
    kit.Expect(cancel);
    EXPECT_EQ(BrowseForFolder(nullptr, "Select Folder"), "");
    EXPECT_FALSE(okEnabled);
}

TEST_F(ModDialog32, PropertySheetShowsNoMessageAndReturnsTheShellCode) {
    DialogAnswerer kit;
    int missing = modDialog32::ShowFileProperties(nullptr, Path("missing.txt"));
    EXPECT_GT(missing, 0);
    EXPECT_LE(missing, 32);
    EXPECT_GT(modDialog32::ShowFileProperties(nullptr, Path("a.txt")), 0);
    EXPECT_TRUE(kit.Seen().empty());
}

}  // namespace
