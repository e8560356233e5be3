#include "rt/picture_box.h"

#include <gtest/gtest.h>

#include "rt/buttons.h"
#include "rt/events.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/scroll_bar.h"
#include "rt/screen.h"

namespace {

struct BoxForm : rt::Form {
    BoxForm() : rt::Form(rt::FormDesign{.caption = "Picture boxes", .clientWidth = 4545, .clientHeight = 3660}) {
        Place(picStatus, {60, 60, 1605, 1545});
        Place(btnInside, ControlDesign(150, 150, 600, 300, "Inside", 0).In(picStatus));
        Place(imgWide, ControlDesign(300, 600, 3000, 300).In(picStatus));
        Place(HScroll1, ControlDesign(0, 1200, 1500, 255, "", 1).In(picStatus));
        Place(picColor, {90, 1620, 375, 165});
        btnInside.Click = [this] { ++insideClicks; };
        HScroll1.Change = [this] { ++scrollChanges; };
        picColor.Click = [this] { ++colorClicks; };
    }
    using ControlDesign = rt::ControlDesign;
    rt::PictureBox picStatus{{.backColor = RGB(0, 0, 0)}};
    rt::CommandButton btnInside;
    rt::Image imgWide;
    rt::ScrollBar HScroll1{rt::ScrollBarKind::Horizontal};
    rt::PictureBox picColor{{.backColor = RGB(0, 255, 0), .border = true}};
    int insideClicks = 0, scrollChanges = 0, colorClicks = 0;
};

COLORREF Erased(HWND w) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bmp = CreateCompatibleBitmap(screen, 4, 4);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    SendMessageA(w, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    COLORREF c = GetPixel(dc, 1, 1);
    SelectObject(dc, old);
    DeleteObject(bmp);
    DeleteDC(dc);
    return c;
}

class PictureBoxTest : public ::testing::Test {
protected:
    void SetUp() override { form.Show(); }
    BoxForm form;
};

TEST_F(PictureBoxTest, HoldsItsControlsInsideItsWindowAndPassesTheirEventsOn) {
    HWND box = form.picStatus.hwnd();
    for (HWND child : {form.btnInside.hwnd(), form.imgWide.hwnd(), form.HScroll1.hwnd()}) {
        ASSERT_TRUE(child);
        EXPECT_EQ(GetParent(child), box);
    }
    RECT r;
    GetWindowRect(form.btnInside.hwnd(), &r);
    MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
    EXPECT_EQ(r.left, rt::TwipsToPixelsX(150));
    EXPECT_EQ(r.top, rt::TwipsToPixelsY(150));
    // A control wider than the box is cut off at its edge.
    RECT boxRect, wide, clip;
    GetWindowRect(box, &boxRect);
    GetWindowRect(form.imgWide.hwnd(), &wide);
    ASSERT_GT(wide.right, boxRect.right);
    HDC dc = GetDC(form.imgWide.hwnd());
    GetClipBox(dc, &clip);
    ReleaseDC(form.imgWide.hwnd(), dc);
    EXPECT_LE(clip.right, boxRect.right - wide.left);

    SendMessageA(form.btnInside.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(form.insideClicks, 1);
    form.HScroll1.SetFocus();
    PostMessageA(form.HScroll1.hwnd(), WM_KEYDOWN, VK_RIGHT, 1);
    rt::DoEvents();
    EXPECT_EQ(form.scrollChanges, 1);
    EXPECT_EQ(form.HScroll1.Value(), 1);
}

TEST_F(PictureBoxTest, PaintsItsBackColourAndClicksOnAPressReleasedInside) {
    EXPECT_EQ(Erased(form.picStatus.hwnd()), RGB(0, 0, 0));
    EXPECT_EQ(form.picColor.BackColor(), RGB(0, 255, 0));
    EXPECT_EQ(Erased(form.picColor.hwnd()), RGB(0, 255, 0));
    form.picColor.SetBackColor(RGB(255, 0, 0));
    EXPECT_EQ(Erased(form.picColor.hwnd()), RGB(255, 0, 0));

    HWND w = form.picColor.hwnd();
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(w, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(2, 2));
    PostMessageA(w, WM_RBUTTONUP, 0, MAKELPARAM(2, 2));
    PostMessageA(w, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(2, 2));
    PostMessageA(w, WM_LBUTTONUP, 0, MAKELPARAM(300, 2));
    rt::DoEvents();
    EXPECT_EQ(form.colorClicks, 1);

    form.Unload();
    form.Show();
    EXPECT_EQ(form.picColor.BackColor(), RGB(0, 255, 0));
    EXPECT_EQ(Erased(form.picColor.hwnd()), RGB(0, 255, 0));
}

}  // namespace
