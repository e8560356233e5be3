#pragma once
// glimtor's main window, shown, with its panes on a fresh folder of sample
// pictures made in the test.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "glimtor/frmGlimtor.h"
#include "glimtor/program_state.h"
#include "rt/files.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace glimtor_test {

enum class Format { Bmp, Jpeg, Gif };

// A picture of the block pattern, so many pixels, in the format.
inline bool WriteSample(const std::string& path, Format format, int width, int height) {
    switch (format) {
        case Format::Jpeg: return testkit::WriteBlockPatternJpeg(path, width, height);
        case Format::Gif: testkit::WriteFileBytes(path, testkit::GifBytes(testkit::BlockPattern(width, height))); break;
        case Format::Bmp: testkit::WriteFileBytes(path, testkit::BmpBytes(testkit::BlockPattern(width, height))); break;
    }
    return true;
}

class GlimtorTest : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<glimtor::frmGlimtor>();
        window->Show();
        ASSERT_TRUE(window->IsLoaded());
        GoTo(folder.Path());
    }

    void GoTo(const std::string& path) {
        window->Drive1.SetDrive(path);
        ASSERT_FALSE(window->Dir1.SetPath(path));
    }

    // A picture of so many pixels in the shown folder, listed by the file pane.
    std::string Picture(const std::string& name, int width, int height, Format format = Format::Bmp) {
        std::string path = folder / name;
        EXPECT_TRUE(WriteSample(path, format, width, height)) << name;
        window->File1.Refresh();
        return path;
    }
    std::string File(const std::string& name, const std::string& bytes) {
        std::string path = folder.Write(name, bytes);
        window->File1.Refresh();
        return path;
    }

    int IndexOf(const std::string& name) const {
        for (int i = 0; i < window->File1.ListCount(); ++i)
            if (window->File1.List(i) == name) return i;
        return -1;
    }

    // A left click on the entry, as the user makes it.
    void Click(const std::string& name) {
        const int index = IndexOf(name);
        ASSERT_GE(index, 0) << name;
        HWND list = window->File1.hwnd();
        RECT item{};
        SendMessageA(list, LB_SETTOPINDEX, index, 0);
        SendMessageA(list, LB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item));
        LPARAM at = MAKELPARAM(item.left + 4, item.top + 2);
        SendMessageA(list, WM_LBUTTONDOWN, MK_LBUTTON, at);
        SendMessageA(list, WM_LBUTTONUP, 0, at);
    }

    bool MainEnabled(const char* button) const { return window->tbMain.ButtonEnabled(button); }
    bool Previewing() const { return window->imgPreview.HasPicture(); }

    // The preview is the empty square with empty labels and the commands off.
    void ExpectCleared() const {
        EXPECT_FALSE(Previewing());
        ExpectOnSquare();
        EXPECT_FALSE(window->lblNotImage.Visible());
        EXPECT_EQ(window->lblPixSize.Caption(), "");
        EXPECT_EQ(window->lblFileSize.Caption(), "");
        for (const char* b : {"Open", "Full", "Rename", "Delete"}) EXPECT_FALSE(MainEnabled(b)) << "button " << b;
    }
    void ExpectOnSquare() const {
        EXPECT_FLOAT_EQ(window->imgPreview.Left(), 6000);
        EXPECT_FLOAT_EQ(window->imgPreview.Top(), 60);
        EXPECT_FLOAT_EQ(window->imgPreview.Width(), 1875);
        EXPECT_FLOAT_EQ(window->imgPreview.Height(), 1875);
    }

    testkit::TempFolder folder;
    std::unique_ptr<glimtor::frmGlimtor> window;
};

}  // namespace glimtor_test
