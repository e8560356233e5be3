// The full-size viewer: the shrink of a command-line picture, the fit of the
// window, scroll bars for pictures larger than the screen, the mouse and Escape.
#include <algorithm>
#include <cmath>
#include <functional>
#include <memory>
#include <string>

#include "glimtor/frmMiniGlimtor.h"
#include "glimtor_fixture.h"
#include "rt/events.h"
#include "rt/screen.h"

namespace {

using glimtor_test::GlimtorTest;

class ViewerTest : public GlimtorTest {
protected:
    void TearDown() override {
        viewer.reset();
        glimtor::bolFullSizeFromMain = false;
    }

    // As the start procedure opens it for a picture named on the command line.
    void OpenFromCommandLine(const std::string& path) {
        glimtor::bolFullSizeFromMain = false;
        viewer = std::make_unique<glimtor::frmMiniGlimtor>(*window, path);
        viewer->Show();
    }
    // As Full Size opens it for the selected file (shown modelessly here).
    void OpenFromMain(const std::string& name) {
        Click(name);
        glimtor::bolFullSizeFromMain = true;
        viewer = std::make_unique<glimtor::frmMiniGlimtor>(*window, "");
        viewer->Show();
    }

    float PictureWidth() const { return viewer->imgMiniPreview.Width(); }
    float PictureHeight() const { return viewer->imgMiniPreview.Height(); }
    void RightPress() { viewer->imgMiniPreview_MouseDown(2, 0, 10, 10); }

    // The window sized around the picture: content plus the frame, no bars;
    // the platform makes no window narrower than its minimum width.
    void ExpectWindowAroundPicture() const {
        const float narrowest = static_cast<float>(GetSystemMetrics(SM_CXMINTRACK) * rt::TwipsPerPixelX());
        EXPECT_NEAR(viewer->Width(), std::max(PictureWidth() + 90, narrowest), 15);
        EXPECT_NEAR(viewer->Height(), PictureHeight() + 330, 15);
        EXPECT_EQ(viewer->picMiniPreview.Width(), std::lround(PictureWidth()));
        EXPECT_EQ(viewer->picMiniPreview.Height(), std::lround(PictureHeight()));
        EXPECT_FALSE(viewer->HScroll1.Visible());
        EXPECT_FALSE(viewer->VScroll1.Visible());
    }

    std::unique_ptr<glimtor::frmMiniGlimtor> viewer;
};

TEST_F(ViewerTest, OpensAtTheScreensTopLeftCornerWithItsCaption) {
    OpenFromCommandLine(Picture("p.bmp", 20, 20));
    EXPECT_EQ(viewer->Caption(), "Preview  [Lmouse=close, Rmouse=2x]");
    EXPECT_EQ(viewer->Left(), 0);
    EXPECT_EQ(viewer->Top(), 0);
}

TEST_F(ViewerTest, ACommandLinePictureIsShrunkIntoTheSquareAtTheViewportsCorner) {
    struct Case {
        int pixW, pixH;
        float width, height;
        bool stretched;
    } cases[] = {
        {200, 100, 1575, 788, true},  // 787.5 rounds to even
        {100, 200, 788, 1575, true},
        {200, 200, 1575, 1575, true},
        {100, 60, 1500, 900, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixW << " x " << c.pixH);
        OpenFromCommandLine(Picture("p.bmp", c.pixW, c.pixH));
        ASSERT_TRUE(viewer->imgMiniPreview.HasPicture());
        EXPECT_TRUE(viewer->bolFromCommandLine);
        EXPECT_FLOAT_EQ(PictureWidth(), c.width);
        EXPECT_FLOAT_EQ(PictureHeight(), c.height);
        EXPECT_EQ(viewer->imgMiniPreview.Stretch(), c.stretched);
        EXPECT_FLOAT_EQ(viewer->imgMiniPreview.Left(), 0);
        EXPECT_FLOAT_EQ(viewer->imgMiniPreview.Top(), 0);
        ExpectWindowAroundPicture();
    }
}

TEST_F(ViewerTest, TheFirstRightPressShowsTheCommandLinePictureAtItsNaturalSizeThenPressesDouble) {
    OpenFromCommandLine(Picture("p.bmp", 200, 100));
    RightPress();
    EXPECT_FALSE(viewer->bolFromCommandLine);
    EXPECT_FALSE(viewer->imgMiniPreview.Stretch());
    EXPECT_FLOAT_EQ(PictureWidth(), 3000);
    EXPECT_FLOAT_EQ(PictureHeight(), 1500);
    ExpectWindowAroundPicture();
    RightPress();
    EXPECT_TRUE(viewer->imgMiniPreview.Stretch());
    EXPECT_FLOAT_EQ(PictureWidth(), 6000);
    EXPECT_FLOAT_EQ(PictureHeight(), 3000);
    ExpectWindowAroundPicture();
}

TEST_F(ViewerTest, FromTheMainWindowThePictureShowsAtItsNaturalSizeAndEachOtherPressDoublesIt) {
    Picture("p.bmp", 200, 100);
    OpenFromMain("p.bmp");
    EXPECT_FALSE(viewer->bolFromCommandLine);
    EXPECT_FLOAT_EQ(PictureWidth(), 3000);
    EXPECT_FLOAT_EQ(PictureHeight(), 1500);
    ExpectWindowAroundPicture();
    viewer->imgMiniPreview_MouseDown(4, 0, 0, 0);
    EXPECT_FLOAT_EQ(PictureWidth(), 6000);
    EXPECT_FLOAT_EQ(PictureHeight(), 3000);
    ExpectWindowAroundPicture();
}

TEST_F(ViewerTest, APictureLargerThanTheScreenGetsScrollBarsWithRangesFromItsOverhang) {
    // The room across: the screen less the vertical bar and the frame.
    const int room = rt::ScreenWidth() - 255 - 90;
    ASSERT_EQ(room % 15, 0);
    // Too wide only: the other bar shows, disabled, with nothing to scroll.
    Picture("wide.bmp", (room + 1500) / 15, 40);
    OpenFromMain("wide.bmp");
    EXPECT_TRUE(viewer->HScroll1.Visible());
    EXPECT_TRUE(viewer->HScroll1.Enabled());
    EXPECT_EQ(viewer->HScroll1.Max(), 150);
    EXPECT_EQ(viewer->HScroll1.SmallChange(), 38);  // 37.5 rounds to even
    EXPECT_EQ(viewer->HScroll1.LargeChange(), 75);
    EXPECT_EQ(viewer->picMiniPreview.Width(), room);
    EXPECT_EQ(viewer->picMiniPreview.Height(), 600);
    EXPECT_TRUE(viewer->VScroll1.Visible());
    EXPECT_FALSE(viewer->VScroll1.Enabled());
    EXPECT_EQ(viewer->VScroll1.Max(), 0);
    EXPECT_NEAR(viewer->Width(), rt::ScreenWidth(), 15);
    viewer.reset();

    // Too tall, and 15 twips too wide for the room beside the bar.
    Picture("tall.bmp", (room + 15) / 15, rt::ScreenHeight() / 15);
    OpenFromMain("tall.bmp");
    EXPECT_TRUE(viewer->VScroll1.Enabled());
    EXPECT_TRUE(viewer->HScroll1.Enabled());
    EXPECT_EQ(viewer->HScroll1.Max(), 2);          // 1.5 rounds to even
    EXPECT_EQ(viewer->HScroll1.SmallChange(), 1);  // 0 is refused: the first value stays
    EXPECT_EQ(viewer->HScroll1.LargeChange(), 1);
}

TEST_F(ViewerTest, AScrollValuePast3276PutsThePictureAndTheBarBackAtZero) {
    // One colour, so that the picture is quick to make and to read.
    ASSERT_TRUE(testkit::WriteOneColourPng(folder / "huge.png", 3400, 3400));
    window->cmbFilter.SetListIndex(6);  // *.*
    OpenFromMain("huge.png");
    struct Bar {
        const char* which;
        rt::ScrollBar& bar;
        std::function<float()> offset;
    } bars[] = {
        {"across", viewer->HScroll1, [&] { return viewer->imgMiniPreview.Left(); }},
        {"down", viewer->VScroll1, [&] { return viewer->imgMiniPreview.Top(); }},
    };
    for (Bar& b : bars) {
        SCOPED_TRACE(b.which);
        ASSERT_GE(b.bar.Max(), 3277);
        b.bar.SetValue(3276);
        EXPECT_FLOAT_EQ(b.offset(), -32760);
        b.bar.SetValue(3277);
        EXPECT_FLOAT_EQ(b.offset(), 0);
        EXPECT_EQ(b.bar.Value(), 0);
    }
}

TEST_F(ViewerTest, ALeftPressOrEscapeClosesTheViewerOpenedFromTheMainWindow) {
    Picture("p.bmp", 30, 30);
    OpenFromMain("p.bmp");
    viewer->imgMiniPreview_MouseDown(1, 0, 0, 0);
    EXPECT_FALSE(viewer->IsLoaded());

    OpenFromMain("p.bmp");
    // Escape reaches the window first whichever control has the focus.
    PostMessageA(viewer->imgMiniPreview.hwnd(), WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(viewer->imgMiniPreview.hwnd(), WM_CHAR, 27, 1);
    for (int i = 0; i < 100 && viewer->IsLoaded(); ++i) rt::DoEvents();
    EXPECT_FALSE(viewer->IsLoaded());
    EXPECT_TRUE(window->IsLoaded());
}

}  // namespace
