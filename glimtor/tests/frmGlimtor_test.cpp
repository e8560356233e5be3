// The previewer window: its start, the preview with its fit rule, the
// failure display and the clearing of the preview.
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "glimtor_fixture.h"
#include "testkit/dialog_answerer.h"

namespace {

using glimtor_test::GlimtorTest;
using glimtor_test::Format;

TEST_F(GlimtorTest, StartsWithItsCaptionTheFirstPatternAndNothingPreviewed) {
    EXPECT_EQ(window->Caption(), "Glimtor 5.5.0");
    EXPECT_EQ(window->cmbFilter.Text(), "*.jpg;*.gif;*.bmp");
    EXPECT_EQ(glimtor::strCurrentFilePath, folder.Path() + "\\");
    ExpectCleared();
}

TEST_F(GlimtorTest, PreviewShrinksLargePicturesIntoTheSquareAndCentresTheRest) {
    struct Case {
        const char* name;
        int width, height;
        Format format;
        float left, top, boxWidth, boxHeight;
        bool stretched;
    } cases[] = {
        {"landscape.bmp", 400, 300, Format::Bmp, 6000, 292, 1875, 1411, true},
        {"portrait.jpg", 300, 400, Format::Jpeg, 6232, 60, 1411, 1875, true},
        {"small.gif", 100, 80, Format::Gif, 6157.5, 367.5, 1560, 1260, false},
        {"exact.bmp", 121, 121, Format::Bmp, 6000, 60, 1875, 1875, false},
        {"onemore.bmp", 122, 121, Format::Bmp, 6000, 67.5, 1875, 1860, true},
    };
    for (const Case& c : cases) Picture(c.name, c.width, c.height, c.format);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Click(c.name);
        ASSERT_TRUE(Previewing());
        EXPECT_FLOAT_EQ(window->imgPreview.Left(), c.left);
        EXPECT_FLOAT_EQ(window->imgPreview.Top(), c.top);
        EXPECT_FLOAT_EQ(window->imgPreview.Width(), c.boxWidth);
        EXPECT_FLOAT_EQ(window->imgPreview.Height(), c.boxHeight);
        EXPECT_EQ(window->imgPreview.Stretch(), c.stretched);
        EXPECT_EQ(window->lblPixSize.Caption(),
                  std::to_string(c.width) + " x " + std::to_string(c.height) + " pixels");
        EXPECT_TRUE(window->imgPreview.Visible());
        EXPECT_FALSE(window->lblNotImage.Visible());
        for (const char* b : {"Open", "Full", "Rename", "Delete"}) EXPECT_TRUE(MainEnabled(b)) << "button " << b;
        EXPECT_TRUE(window->mnuFileListPopup.ItemEnabled(glimtor::frmGlimtor::kMenuFullSize));
        EXPECT_TRUE(window->mnuFileListPopup.ItemEnabled(glimtor::frmGlimtor::kMenuSaveBMP));
    }
    // 54 header bytes and 300 rows of 1200.
    Click("landscape.bmp");
    EXPECT_EQ(window->lblFileSize.Caption(), "360,054 bytes");
}

TEST_F(GlimtorTest, WhatDoesNotLoadShowsTheFailureDisplayWithTheFileSizeKept) {
    Picture("good.bmp", 40, 30);
    const std::string jpeg = Picture("whole.jpg", 64, 64, Format::Jpeg);
    std::ifstream in(jpeg, std::ios::binary);
    const std::string jpegBytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    // A metafile record without the placeable header the platform needs.
    const std::string plainWmf("\x01\x00\x09\x00\x00\x03\x13\x00\x00\x00\x00\x00\x05\x00\x00\x00\x00\x00", 18);
    const std::vector<std::pair<std::string, std::string>> bad = {
        {"empty.jpg", ""},
        {"text.gif", "not a picture at all"},
        {"cut.jpg", jpegBytes.substr(0, jpegBytes.size() / 3)},
        {"plain.wmf", plainWmf},
        {"header.bmp", "BM\x36\x00\x00\x00"},
    };
    window->cmbFilter.SetListIndex(6);  // *.*
    for (const auto& [name, bytes] : bad) File(name, bytes);
    for (const auto& [name, bytes] : bad) {
        SCOPED_TRACE(name);
        Click("good.bmp");
        ASSERT_TRUE(Previewing());
        Click(name);
        EXPECT_FALSE(Previewing());  // the previous picture is gone too
        ExpectOnSquare();
        EXPECT_TRUE(window->lblNotImage.Visible());
        EXPECT_EQ(window->lblPixSize.Caption(), "0 x 0 pixels");
        EXPECT_EQ(window->lblFileSize.Caption(), std::to_string(bytes.size()) + " bytes");
        EXPECT_TRUE(MainEnabled("Open") && MainEnabled("Rename") && MainEnabled("Delete"));
        EXPECT_FALSE(MainEnabled("Full"));
        EXPECT_FALSE(window->mnuFileListPopup.ItemEnabled(glimtor::frmGlimtor::kMenuFullSize));
        EXPECT_FALSE(window->mnuFileListPopup.ItemEnabled(glimtor::frmGlimtor::kMenuSaveBMP));
    }
    // Full size with nothing loaded opens nothing (a viewer would be an unscripted dialog).
    testkit::DialogAnswerer answerer;
    window->ShowFullSize();
    EXPECT_TRUE(answerer.Seen().empty());
}

// Full size opens the viewer over the window, owned by it, and the window
// takes no input until the viewer closes.
TEST_F(GlimtorTest, FullSizeOpensTheViewerOwnedByTheWindow) {
    Picture("a.bmp", 40, 30);
    Click("a.bmp");
    ASSERT_TRUE(Previewing());
    testkit::DialogAnswerer answerer;
    HWND owner = nullptr;
    bool mainEnabled = true;
    answerer.Expect(testkit::CloseBox([&](HWND viewer) {
        owner = GetWindow(viewer, GW_OWNER);
        mainEnabled = IsWindowEnabled(window->hwnd()) != FALSE;
    }));
    window->ShowFullSize();
    ASSERT_EQ(answerer.Seen().size(), 1u);
    EXPECT_EQ(owner, window->hwnd());
    EXPECT_FALSE(mainEnabled);
    EXPECT_TRUE(IsWindowEnabled(window->hwnd()));
}

TEST_F(GlimtorTest, AFileGoneBeforeItsPreviewKeepsTheSizeShownBefore) {
    Picture("a.bmp", 10, 10);
    const std::string b = Picture("b.bmp", 10, 10);
    Click("a.bmp");
    ASSERT_TRUE(DeleteFileA(b.c_str()));
    Click("b.bmp");
    EXPECT_TRUE(window->lblNotImage.Visible());
    EXPECT_EQ(window->lblPixSize.Caption(), "0 x 0 pixels");
    EXPECT_EQ(window->lblFileSize.Caption(), "374 bytes");  // 54 header bytes and 10 rows of 32
}

TEST_F(GlimtorTest, FolderFilterAndHiddenFilesEachClearThePreview) {
    Picture("a.bmp", 200, 200);
    const std::string sub = folder.MakeFolder("sub");
    struct Change {
        const char* what;
        std::function<void()> make;
    } changes[] = {
        {"folder", [&] { GoTo(sub); }},
        {"filter", [&] { window->cmbFilter.SetListIndex(window->cmbFilter.ListIndex() == 3 ? 0 : 3); }},
        {"hidden files", [&] { window->chkHidden.SetValue(1 - window->chkHidden.Value()); }},
    };
    for (const Change& c : changes) {
        SCOPED_TRACE(c.what);
        GoTo(folder.Path());
        window->cmbFilter.SetListIndex(0);
        Click("a.bmp");
        ASSERT_TRUE(Previewing());
        c.make();
        ExpectCleared();
        EXPECT_EQ(window->File1.ListIndex(), -1);
    }
}

TEST_F(GlimtorTest, AnEmptyFilePaneIgnoresClicks) {
    window->File1_Click();
    window->File1_DblClick();
    ExpectCleared();
}

}  // namespace
