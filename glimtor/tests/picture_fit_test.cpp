// The fit, centring and scroll arithmetic of the preview and the viewer.
#include "glimtor/picture_fit.h"

#include <gtest/gtest.h>

namespace {

using namespace glimtor;

constexpr long kSide = 1875;  // the preview square
constexpr long kLeft = 6000;
constexpr long kTop = 60;

// A box of so many pixels (border included) at 15 twips per pixel.
float Twips(int pixels) { return pixels * 15.0f; }

TEST(PreviewFitTest, ScalesOnlyWhatExceedsTheSquareAndCentresTheRest) {
    struct Case {
        int pixW, pixH;  // the picture's own pixels; the box adds 4
        float width, height, left, top;
        bool stretched;
    } cases[] = {
        {400, 300, 1875, 1411, 6000, 292, true},        // landscape: 1410.89 rounds up
        {300, 400, 1411, 1875, 6232, 60, true},         // portrait: centred across only
        {100, 80, 1560, 1260, 6157.5, 367.5, false},    // small: half twips kept
        {121, 121, 1875, 1875, 6000, 60, false},        // exactly the square
        {122, 121, 1875, 1860, 6000, 67.5, true},       // one pixel wider
        {121, 122, 1860, 1875, 6007.5, 60, true},       // one pixel taller
        {200, 200, 1875, 1875, 6000, 60, true},         // square, larger: the width rule
        {1, 1, 75, 75, 6900, 960, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.pixW << " x " << c.pixH);
        FittedSize f = FitIntoSquare(Twips(c.pixW + 4), Twips(c.pixH + 4), kSide);
        EXPECT_FLOAT_EQ(f.width, c.width);
        EXPECT_FLOAT_EQ(f.height, c.height);
        EXPECT_EQ(f.stretched, c.stretched);
        Position p = CentreInSquare(f.width, f.height, kSide, kLeft, kTop);
        EXPECT_FLOAT_EQ(p.left, c.left);
        EXPECT_FLOAT_EQ(p.top, c.top);
        PixelSize px = PictureInBox(Twips(c.pixW + 4), Twips(c.pixH + 4), 15, 15);
        EXPECT_EQ(px.width, c.pixW);
        EXPECT_EQ(px.height, c.pixH);
    }
}

TEST(PreviewFitTest, HalvesRoundToTheEvenNeighbour) {
    constexpr long kViewerSide = 1575;
    struct Case {
        float w, h, fitW, fitH;
        bool stretched;
    } cases[] = {
        {3000, 1500, 1575, 788, true},  // 787.5
        {3000, 1460, 1575, 766, true},  // 766.5
        {1500, 3000, 788, 1575, true},
        {3000, 3000, 1575, 1575, true},
        {1500, 1000, 1500, 1000, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.w << " x " << c.h);
        FittedSize f = FitIntoSquare(c.w, c.h, kViewerSide);
        EXPECT_FLOAT_EQ(f.width, c.fitW);
        EXPECT_FLOAT_EQ(f.height, c.fitH);
        EXPECT_EQ(f.stretched, c.stretched);
    }
}

TEST(ViewerLayoutTest, FitsOnlyWithRoomToSpareOnTheScreen) {
    const float screenW = 15360, screenH = 11520;  // 1024 x 768
    EXPECT_TRUE(FitsOnScreen(15269, 10689, screenW, screenH));
    EXPECT_FALSE(FitsOnScreen(15270, 100, screenW, screenH));  // W + 90 equal to the screen
    EXPECT_FALSE(FitsOnScreen(100, 10690, screenW, screenH));  // H + 830 equal to the screen
}

TEST(ViewerLayoutTest, ATallPictureGetsAViewportAsWideAsItselfAndBothBars) {
    ScrollLayout l = LayOutScrollBars(3000, 20000, 15360, 11520, 255, 255);
    EXPECT_FALSE(l.hEnabled);
    EXPECT_TRUE(l.vEnabled);
    EXPECT_FLOAT_EQ(l.viewportWidth, 3000);
    EXPECT_FLOAT_EQ(l.viewportHeight, 11520 - 255 - 500 - 330);
    EXPECT_FLOAT_EQ(l.windowWidth, 3000 + 255 + 90);
    EXPECT_FLOAT_EQ(l.windowHeight, l.viewportHeight + 255 + 330);

    l = LayOutScrollBars(40000, 20000, 15360, 11520, 255, 255);
    EXPECT_TRUE(l.hEnabled);
    EXPECT_FLOAT_EQ(l.viewportWidth, 15360 - 255 - 90);
}

TEST(ViewerLayoutTest, ScrollRangesFromTheOverhang) {
    const ScrollRange fresh{0, 1, 1};
    struct Case {
        ScrollRange previous;
        float overhang;
        ScrollRange expected;
    } cases[] = {
        {fresh, 1500, {150, 38, 75}},             // 37.5 rounds to even 38
        {fresh, 15, {2, 1, 1}},                   // a small change of 0 is refused
        {fresh, 10, {1, 1, 1}},                   // both changes refused
        {fresh, 0, {0, 1, 1}},                    // nothing to scroll
        {fresh, 25, {2, 1, 1}},                   // 2.5 rounds to even 2
        {fresh, 327670, {32767, 8192, 16384}},
        {fresh, 327680, {32768, 8192, 16384}},    // past 16 bits
        {fresh, 4.5e6f, {450000, 112500, 225000}},
        {{150, 38, 75}, 3e10f, {150, 38, 75}},   // beyond 32 bits: the old maximum stays
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "overhang " << c.overhang);
        ScrollRange r = RangeForOverhang(c.previous, c.overhang);
        EXPECT_EQ(r.max, c.expected.max);
        EXPECT_EQ(r.smallChange, c.expected.smallChange);
        EXPECT_EQ(r.largeChange, c.expected.largeChange);
    }
}

TEST(ViewerLayoutTest, EachStepIsTenTwipsAndTheMaximumShowsTheFarEdge) {
    struct Case {
        int value, max;
        float overhang, offset;
    } cases[] = {
        {0, 0, 0, 0},            // nothing to scroll
        {0, 150, 1500, 0},
        {1, 150, 1500, -10},
        {150, 150, 1500, -1500},
        {3276, 4000, 40000, -32760},
        {3277, 4000, 40000, -32770},  // past 16 bits
        {2, 2, 15, -15},         // the maximum rounded up: the edge, not 20 twips
        {2, 2, 25, -25},         // rounded down to even: the last 5 twips shown too
        {44999, 45000, 450000, -449990},
        {45000, 45000, 450000, -450000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.value << " of " << c.max);
        EXPECT_FLOAT_EQ(OffsetForScrollValue(c.value, c.max, c.overhang), c.offset);
    }
}

}  // namespace
