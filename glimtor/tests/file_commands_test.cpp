// The file commands on the selected picture: rename, delete, save as bitmap.
#include <fstream>
#include <iterator>
#include <optional>
#include <string>

#include "glimtor_fixture.h"
#include "testkit/dialog_answerer.h"

namespace {

using glimtor_test::GlimtorTest;

std::string Bytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

bool Exists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

class FileCommandsTest : public GlimtorTest {
protected:
    void TearDown() override {
        for (const std::string& p : readOnly_) SetFileAttributesA(p.c_str(), FILE_ATTRIBUTE_NORMAL);
    }
    void MakeReadOnly(const std::string& path) {
        ASSERT_TRUE(SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_READONLY));
        readOnly_.push_back(path);
    }

private:
    std::vector<std::string> readOnly_;
};

TEST_F(FileCommandsTest, RenameTakesTheTrimmedAnswerAsAPathOfItsOwn) {
    const std::string other = folder.MakeFolder("other");
    const std::string dir = folder.Path() + "\\";
    struct Case {
        const char* what;
        std::optional<std::string> typed;  // nothing: the default accepted, or Cancel below
        int button;
        std::string expectedAt;  // where the file ends up
        bool cleared;
    } cases[] = {
        {"default unchanged", std::nullopt, IDOK, dir + "a.bmp", true},
        {"cancel", std::nullopt, IDCANCEL, dir + "a.bmp", false},
        {"cut back to the folder", dir, IDOK, dir + "a.bmp", false},
        {"blanks only", "   ", IDOK, dir + "a.bmp", false},
        {"blanks around", "  " + dir + "b.bmp  ", IDOK, dir + "b.bmp", true},
        {"into another folder", other + "\\c.bmp", IDOK, other + "\\c.bmp", true},
        {"a taken name", dir + "taken.bmp", IDOK, dir + "a.bmp", true},
        {"an invalid name", dir + "a<b>.bmp", IDOK, dir + "a.bmp", true},
    };
    const std::string taken = Picture("taken.bmp", 5, 5);
    const std::string takenBytes = Bytes(taken);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        const std::string start = Picture("a.bmp", 20, 10);
        const std::string bytes = Bytes(start);
        Click("a.bmp");
        std::string prompt, offered;
        testkit::Answer answer = c.typed ? testkit::TypeText(*c.typed, c.button) : testkit::Press(c.button);
        answer.inspect = [&](HWND box) {
            prompt = rt::WindowText(GetDlgItem(box, 100));
            offered = rt::WindowText(GetDlgItem(box, 101));
        };
        testkit::DialogAnswerer answerer;
        answerer.Expect(answer);
        window->RenameSelectedFile();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        EXPECT_EQ(answerer.Seen()[0].title, "Rename");
        EXPECT_EQ(prompt, "Enter the new name for this file...\n\n" + start);
        EXPECT_EQ(offered, start);
        EXPECT_EQ(Bytes(c.expectedAt), bytes);
        if (c.expectedAt != start) {
            EXPECT_FALSE(Exists(start));
        }
        EXPECT_EQ(Bytes(taken), takenBytes);
        EXPECT_EQ(Previewing(), !c.cleared);
        if (c.cleared) ExpectCleared();
        if (c.expectedAt != start) DeleteFileA(c.expectedAt.c_str());
        window->File1.Refresh();
    }
}

TEST_F(FileCommandsTest, DeleteAsksWithTheBareNameAndReportsOnlyAFailure) {
    const std::string path = Picture("doomed.bmp", 8, 8);
    Click("doomed.bmp");
    {
        testkit::DialogAnswerer answerer;
        answerer.Expect(testkit::Press(IDNO));
        window->DeleteSelectedFile();
        ASSERT_EQ(answerer.Seen().size(), 1u);
        const testkit::SeenDialog& asked = answerer.Seen()[0];
        EXPECT_EQ(asked.text, "Are you sure you wish to delete this file : doomed.bmp");
        EXPECT_EQ(asked.title, "Glimtor : Confirm Delete");
        EXPECT_EQ(asked.icon, testkit::Icon::Question);
        EXPECT_EQ(asked.buttons, (std::vector<int>{IDYES, IDNO}));
    }
    EXPECT_TRUE(Exists(path));
    EXPECT_TRUE(Previewing());

    MakeReadOnly(path);
    {
        testkit::DialogAnswerer answerer;
        answerer.Expect(testkit::Press(IDYES)).Expect(testkit::Press(IDOK));
        window->DeleteSelectedFile();
        ASSERT_EQ(answerer.Seen().size(), 2u);
        const testkit::SeenDialog& failed = answerer.Seen()[1];
        EXPECT_EQ(failed.text.rfind("Cannot delete file, ", 0), 0u) << failed.text;
        EXPECT_GT(failed.text.size(), std::string("Cannot delete file, ").size());
        EXPECT_EQ(failed.title, "Glimtor : Error");
        EXPECT_EQ(failed.icon, testkit::Icon::Error);
    }
    EXPECT_TRUE(Exists(path));
    EXPECT_TRUE(Previewing());  // a failed delete leaves the preview

    SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    {
        testkit::DialogAnswerer answerer;
        answerer.Expect(testkit::Press(IDYES));
        window->DeleteSelectedFile();
        EXPECT_EQ(answerer.Seen().size(), 1u);
    }
    EXPECT_FALSE(Exists(path));
    ExpectCleared();
}

// Saves the entry as a bitmap through the dialog, typing this name.
void SaveAs(glimtor::frmGlimtor& window, const std::string& typed, std::string* offeredName = nullptr) {
    testkit::Answer answer = testkit::TypeFileName(typed);
    answer.inspect = [&](HWND dialog) {
        if (offeredName) *offeredName = rt::WindowText(GetDlgItem(dialog, testkit::kFileNameControl));
    };
    testkit::DialogAnswerer answerer;
    answerer.Expect(answer);
    window.SaveSelectedAsBmp();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(answerer.Seen()[0].title, "Save As BMP");
}

TEST_F(FileCommandsTest, ABitmapEntryIsCopiedByteForByteIntoTheShownFolder) {
    const std::string source = Picture("Holiday.photo.BMP", 30, 20);
    Click("Holiday.photo.BMP");
    std::string offered;
    // A bare name lands in the folder the dialog starts in: the shown one.
    SaveAs(*window, "copy.bmp", &offered);
    EXPECT_EQ(offered, "Holiday.bmp");
    EXPECT_EQ(Bytes(folder / "copy.bmp"), Bytes(source));
    ExpectCleared();
}

TEST_F(FileCommandsTest, OtherPicturesAreWrittenAsRealBitmapsOfTheirPixels) {
    const testkit::Pixels pattern = testkit::BlockPattern(32, 24);
    const std::string jpeg = folder / "photo.jpg";
    ASSERT_TRUE(testkit::WriteEncoded(pattern, jpeg, L"image/jpeg"));
    testkit::WriteFileBytes(folder / "anim.gif", testkit::GifBytes(pattern));
    testkit::WriteFileBytes(folder / "symbol.ico", testkit::IconBytes(pattern, 0x00FFFFFE));
    struct Case {
        const char* name;
        testkit::Pixels expected;  // JPEG: as the platform decodes it
    } cases[] = {
        {"photo.jpg", testkit::DecodeWithPlatform(jpeg)},
        {"anim.gif", pattern},
        {"symbol.ico", pattern},
    };
    window->cmbFilter.SetListIndex(6);  // *.*
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(c.name);
        ASSERT_TRUE(Previewing());
        const std::string target = folder / (std::string(c.name) + ".bmp");
        SaveAs(*window, target);
        const testkit::Pixels saved = testkit::ReadBmp24(target);
        ASSERT_EQ(saved.width, pattern.width);
        ASSERT_EQ(saved.height, pattern.height);
        EXPECT_EQ(testkit::MaxChannelDifference(saved, c.expected), 0);
        ExpectCleared();
    }
}

TEST_F(FileCommandsTest, AFailedSaveChangesNoFile) {
    Picture("shot.jpg", 16, 16, glimtor_test::Format::Jpeg);
    const std::string locked = folder.Write("locked.bmp", "keep me");
    MakeReadOnly(locked);
    {
        // The dialog asks before replacing; the write then fails.
        Click("shot.jpg");
        testkit::DialogAnswerer answerer;
        answerer.Expect(testkit::TypeFileName(locked)).Expect(testkit::Press(IDYES));
        window->SaveSelectedAsBmp();
        ExpectCleared();
    }
    {
        // The dialog itself refuses a missing folder and stays open until cancelled.
        Click("shot.jpg");
        testkit::DialogAnswerer answerer;
        answerer.Expect(testkit::TypeFileName(folder / "missing\\shot.bmp"))
            .Expect(testkit::Press(IDOK))
            .Expect(testkit::Press(IDCANCEL));
        window->SaveSelectedAsBmp();
        EXPECT_TRUE(Previewing());  // cancelled: nothing happens
    }
    EXPECT_EQ(Bytes(locked), "keep me");
    EXPECT_FALSE(Exists(folder / "missing"));
}

}  // namespace
