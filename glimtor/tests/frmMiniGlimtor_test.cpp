// The full-size viewer: the shrink of a command-line picture, the fit of the
// window, scroll bars for pictures larger than the screen, the mouse and Escape.
#include <algorithm>
#include <cmath>
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

// Every part of a big picture scrolls into view: arrows and pages step by
// the bar's changes, 10 twips a step, and at the bar's end, reached by key
// or by the thumb, the picture's far edge meets the viewport's.
TEST_F(ViewerTest, TheBarsReachEveryPartOfAPictureHoweverLarge) {
    // The room beside the bars, in twips and in whole pixels.
    const float twipsAcross = static_cast<float>(rt::ScreenWidth() - 255 - 90);
    const float twipsDown = static_cast<float>(rt::ScreenHeight() - 255 - 500 - 330);
    const int roomAcross = static_cast<int>(twipsAcross / 15), roomDown = static_cast<int>(twipsDown / 15);
    // The narrowest picture that does not fit on the screen without bars.
    const int overAcross = (rt::ScreenWidth() - 90 + 14) / 15, overDown = (rt::ScreenHeight() - 830 + 14) / 15;
    struct Case {
        bool across;
        int pixels;  // along the bar; the other side fits
    } cases[] = {
        {true, overAcross},  {true, roomAcross + 2185}, {true, 8000}, {true, 30000},
        {false, overDown},   {false, roomDown + 2185},  {false, 30000},
    };
    window->cmbFilter.SetListIndex(6);  // *.*
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << (c.across ? "across " : "down ") << c.pixels);
        // One colour, so that the picture is quick to make and to read.
        const std::string name = std::to_string(c.pixels) + (c.across ? "w.png" : "h.png");
        ASSERT_TRUE(testkit::WriteOneColourPng(folder / name, c.across ? c.pixels : 40, c.across ? 40 : c.pixels));
        window->File1.Refresh();
        OpenFromMain(name);
        rt::ScrollBar& bar = c.across ? viewer->HScroll1 : viewer->VScroll1;
        auto offset = [&] { return c.across ? viewer->imgMiniPreview.Left() : viewer->imgMiniPreview.Top(); };
        const float overhang = c.pixels * 15.0f - (c.across ? twipsAcross : twipsDown);
        ASSERT_TRUE(bar.Enabled());
        EXPECT_EQ(bar.Max(), std::lround(std::nearbyint(overhang / 10)));

        bar.SetFocus();
        auto key = [&](WPARAM k) {
            PostMessageA(bar.hwnd(), WM_KEYDOWN, k, 1);
            PostMessageA(bar.hwnd(), WM_KEYUP, k, 0xC0000001);
            rt::DoEvents();
        };
        key(c.across ? VK_RIGHT : VK_DOWN);
        const int arrow = std::min(bar.SmallChange(), bar.Max());
        EXPECT_EQ(bar.Value(), arrow);
        key(VK_NEXT);
        const int page = std::min(arrow + bar.LargeChange(), bar.Max());
        EXPECT_EQ(bar.Value(), page);
        EXPECT_FLOAT_EQ(offset(), page == bar.Max() ? -overhang : -10.0f * page);

        // The far edge, by the End key and by the thumb dragged to the end.
        RECT viewport;
        GetClientRect(viewer->picMiniPreview.hwnd(), &viewport);
        auto farEdge = [&] {
            RECT r;
            GetWindowRect(viewer->imgMiniPreview.hwnd(), &r);
            MapWindowPoints(nullptr, viewer->picMiniPreview.hwnd(), reinterpret_cast<POINT*>(&r), 2);
            return c.across ? r.right : r.bottom;
        };
        key(VK_END);
        EXPECT_EQ(bar.Value(), bar.Max());
        EXPECT_FLOAT_EQ(offset(), -overhang);
        EXPECT_EQ(farEdge(), c.across ? viewport.right : viewport.bottom);
        key(VK_HOME);
        EXPECT_FLOAT_EQ(offset(), 0);
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(bar.hwnd(), OBJID_CLIENT, &info));
        RECT barRect;
        GetClientRect(bar.hwnd(), &barRect);
        // The far end inside the bar: a thumb let go outside goes back.
        const int thumb = (info.xyThumbTop + info.xyThumbBottom) / 2, across = 5;
        const int beyond = (c.across ? barRect.right : barRect.bottom) - 1;
        auto at = [&](int along) { return c.across ? MAKELPARAM(along, across) : MAKELPARAM(across, along); };
        PostMessageA(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, at(thumb));
        PostMessageA(bar.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, at(beyond));
        PostMessageA(bar.hwnd(), WM_LBUTTONUP, 0, at(beyond));
        rt::DoEvents();
        EXPECT_EQ(bar.Value(), bar.Max());
        EXPECT_EQ(farEdge(), c.across ? viewport.right : viewport.bottom);
        viewer.reset();
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
