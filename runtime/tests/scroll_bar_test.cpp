#include "rt/scroll_bar.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "rt/events.h"
#include "rt/form.h"

namespace {

struct ScrollForm : rt::Form {
    ScrollForm() : rt::Form(rt::FormDesign{.caption = "Scroll bars", .clientWidth = 4000, .clientHeight = 3000}) {
        Place(HScroll1, {0, 2220, 2295, 255, "", 0});
        Place(VScroll1, {2340, 0, 255, 2175, "", 1});
        HScroll1.Change = [this] { events.push_back("HChange " + std::to_string(HScroll1.Value())); };
        HScroll1.Scroll = [this] { events.push_back("HScroll " + std::to_string(HScroll1.Value())); };
        VScroll1.Change = [this] { events.push_back("VChange " + std::to_string(VScroll1.Value())); };
    }
    rt::ScrollBar HScroll1{rt::ScrollBarKind::Horizontal};
    rt::ScrollBar VScroll1{rt::ScrollBarKind::Vertical};
    std::vector<std::string> events;
};

class ScrollBarTest : public ::testing::Test {
protected:
    void SetUp() override { form.Show(); }
    void Key(rt::ScrollBar& bar, WPARAM key) {
        bar.SetFocus();
        PostMessageA(bar.hwnd(), WM_KEYDOWN, key, 1);
        PostMessageA(bar.hwnd(), WM_KEYUP, key, 0xC0000001);
        rt::DoEvents();
    }
    // Takes a horizontal bar's thumb where it is and lets it go at x.
    void DragThumb(rt::ScrollBar& bar, int x) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        ASSERT_TRUE(GetScrollBarInfo(bar.hwnd(), OBJID_CLIENT, &info));
        const int from = (info.xyThumbTop + info.xyThumbBottom) / 2, y = (info.rcScrollBar.bottom - info.rcScrollBar.top) / 2;
        PostMessageA(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(from, y));
        PostMessageA(bar.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(x, y));
        PostMessageA(bar.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(x, y));
        rt::DoEvents();
    }
    ScrollForm form;
};

TEST_F(ScrollBarTest, StartsWithTheStandardSettings) {
    EXPECT_EQ(form.HScroll1.Min(), 0);
    EXPECT_EQ(form.HScroll1.Max(), 32767);
    EXPECT_EQ(form.HScroll1.Value(), 0);
    EXPECT_EQ(form.HScroll1.SmallChange(), 1);
    EXPECT_EQ(form.HScroll1.LargeChange(), 1);
}

TEST_F(ScrollBarTest, RefusedSettingsKeepThePreviousValue) {
    rt::ScrollBar& bar = form.HScroll1;
    ASSERT_TRUE(bar.SetMax(150));
    ASSERT_TRUE(bar.SetSmallChange(38));
    ASSERT_TRUE(bar.SetLargeChange(75));
    ASSERT_TRUE(bar.SetValue(20));
    form.events.clear();
    EXPECT_FALSE(bar.SetValue(151));
    EXPECT_FALSE(bar.SetValue(-1));
    EXPECT_FALSE(bar.SetSmallChange(0));
    EXPECT_FALSE(bar.SetLargeChange(0));
    EXPECT_FALSE(bar.SetLargeChange(-5));
    EXPECT_EQ(bar.Value(), 20);
    EXPECT_EQ(bar.SmallChange(), 38);
    EXPECT_EQ(bar.LargeChange(), 75);
    EXPECT_EQ(bar.Max(), 150);
    EXPECT_EQ(bar.Min(), 0);
    EXPECT_TRUE(form.events.empty());
    // Settings past 16 bits, up to the ends of the 32-bit range, are taken.
    EXPECT_TRUE(bar.SetMax(32768));
    EXPECT_TRUE(bar.SetMin(-32769));
    EXPECT_TRUE(bar.SetMin(INT32_MIN));
    EXPECT_TRUE(bar.SetMax(INT32_MAX));
    EXPECT_TRUE(bar.SetSmallChange(INT32_MAX));
    EXPECT_TRUE(bar.SetValue(INT32_MIN));
    EXPECT_EQ(bar.Value(), INT32_MIN);
}

TEST_F(ScrollBarTest, ChangeRunsOnceForARealChangeAndNeverForTheSameValue) {
    rt::ScrollBar& bar = form.HScroll1;
    ASSERT_TRUE(bar.SetMax(100));
    EXPECT_TRUE(bar.SetValue(40));
    EXPECT_TRUE(bar.SetValue(40));
    EXPECT_TRUE(bar.SetMax(100));
    // A range that leaves the value outside moves it to the nearer end.
    EXPECT_TRUE(bar.SetMax(30));
    EXPECT_TRUE(bar.SetMin(10));
    EXPECT_EQ(form.events, (std::vector<std::string>{"HChange 40", "HChange 30"}));
    EXPECT_EQ(GetScrollPos(bar.hwnd(), SB_CTL), 20);  // the platform's bar runs from 0
}

TEST_F(ScrollBarTest, AChangeHandlerThatSetsTheValueAgainRunsOnceMore) {
    rt::ScrollBar& bar = form.VScroll1;
    ASSERT_TRUE(bar.SetMax(5000));
    bar.Change = [&] {
        form.events.push_back("VChange " + std::to_string(bar.Value()));
        if (bar.Value() > 3276) bar.SetValue(0);
    };
    EXPECT_TRUE(bar.SetValue(3277));
    EXPECT_EQ(form.events, (std::vector<std::string>{"VChange 3277", "VChange 0"}));
    EXPECT_EQ(bar.Value(), 0);
}

TEST_F(ScrollBarTest, ArrowsAndPagesMoveBySmallAndLargeChangeWithinTheRange) {
    rt::ScrollBar& bar = form.HScroll1;
    ASSERT_TRUE(bar.SetMax(10));
    ASSERT_TRUE(bar.SetSmallChange(3));
    ASSERT_TRUE(bar.SetLargeChange(4));
    Key(bar, VK_RIGHT);
    Key(bar, VK_NEXT);
    Key(bar, VK_NEXT);  // stops at the maximum
    Key(bar, VK_NEXT);  // nothing left to change
    Key(bar, VK_LEFT);
    Key(bar, VK_HOME);
    EXPECT_EQ(form.events,
              (std::vector<std::string>{"HChange 3", "HChange 7", "HChange 10", "HChange 7", "HChange 0"}));

    // With the maximum below the minimum the bar counts down.
    form.events.clear();
    rt::ScrollBar& down = form.VScroll1;
    ASSERT_TRUE(down.SetMax(-10));
    ASSERT_TRUE(down.SetMin(10));
    EXPECT_EQ(down.Value(), 0);
    ASSERT_TRUE(down.SetSmallChange(5));
    Key(down, VK_DOWN);
    EXPECT_EQ(down.Value(), -5);
    EXPECT_EQ(GetScrollPos(down.hwnd(), SB_CTL), 15);
}

TEST_F(ScrollBarTest, DraggingTheThumbScrollsAndReleasingItChangesOnce) {
    rt::ScrollBar& bar = form.HScroll1;
    ASSERT_TRUE(bar.SetMax(100));
    RECT r;
    GetClientRect(bar.hwnd(), &r);
    const int arrow = GetSystemMetrics(SM_CXHSCROLL), thumb = arrow / 2 + arrow;
    const int y = r.bottom / 2;
    PostMessageA(bar.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(thumb, y));
    PostMessageA(bar.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right / 2, y));
    PostMessageA(bar.hwnd(), WM_MOUSEMOVE, MK_LBUTTON, MAKELPARAM(r.right - thumb, y));
    PostMessageA(bar.hwnd(), WM_LBUTTONUP, 0, MAKELPARAM(r.right - thumb, y));
    rt::DoEvents();
    ASSERT_GE(form.events.size(), 3u);
    EXPECT_EQ(form.events.front().rfind("HScroll ", 0), 0u);
    EXPECT_EQ(form.events.back(), "HChange " + std::to_string(bar.Value()));
    EXPECT_GT(bar.Value(), 50);
    for (size_t i = 0; i + 1 < form.events.size(); ++i) EXPECT_EQ(form.events[i].rfind("HScroll ", 0), 0u);
}

// Ranges longer than the platform's bar takes are scaled onto it: every
// value stays reachable with arrows, pages, keys and the thumb.
TEST_F(ScrollBarTest, ARangeOfAnyLengthIsReachableToItsEnds) {
    struct Case {
        int min, max;
    } cases[] = {{0, 32767}, {0, 45000}, {0, 2000000000}, {INT32_MIN, INT32_MAX}, {100000, -100000}};
    rt::ScrollBar& bar = form.HScroll1;
    RECT r;
    GetClientRect(bar.hwnd(), &r);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.min << " to " << c.max);
        ASSERT_TRUE(bar.SetMin(c.min));
        ASSERT_TRUE(bar.SetMax(c.max));
        ASSERT_TRUE(bar.SetValue(c.min));
        ASSERT_TRUE(bar.SetSmallChange(7));
        ASSERT_TRUE(bar.SetLargeChange(1000));
        const int step = c.max >= c.min ? 1 : -1;
        Key(bar, VK_RIGHT);
        EXPECT_EQ(bar.Value(), c.min + 7 * step);
        Key(bar, VK_NEXT);
        EXPECT_EQ(bar.Value(), c.min + 1007 * step);
        Key(bar, VK_END);
        EXPECT_EQ(bar.Value(), c.max);
        EXPECT_EQ(GetScrollPos(bar.hwnd(), SB_CTL), std::min(std::abs(int64_t{c.max} - c.min), int64_t{32767}));
        Key(bar, VK_LEFT);
        EXPECT_EQ(bar.Value(), c.max - 7 * step);
        Key(bar, VK_HOME);
        EXPECT_EQ(bar.Value(), c.min);

        // The thumb dragged half way gives about the middle of the range,
        // dragged to the far end the maximum.
        DragThumb(bar, r.right / 2);
        const double middle = (static_cast<double>(c.min) + c.max) / 2, span = std::abs(static_cast<double>(c.max) - c.min);
        EXPECT_NEAR(bar.Value(), middle, span / 10);
        DragThumb(bar, r.right - 1);  // the platform's bar puts a thumb let go outside back
        EXPECT_EQ(bar.Value(), c.max);
        EXPECT_EQ(form.events.back(), "HChange " + std::to_string(c.max));
    }
}

TEST_F(ScrollBarTest, ReloadingTheFormStartsFromTheDesign) {
    ASSERT_TRUE(form.HScroll1.SetMax(10));
    ASSERT_TRUE(form.HScroll1.SetValue(5));
    form.Unload();
    form.Show();
    EXPECT_EQ(form.HScroll1.Max(), 32767);
    EXPECT_EQ(form.HScroll1.Value(), 0);
    EXPECT_EQ(GetScrollPos(form.HScroll1.hwnd(), SB_CTL), 0);
}

}  // namespace
