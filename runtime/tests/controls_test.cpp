#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <string>

#include "pump.h"
#include "rt/buttons.h"
#include "rt/form.h"
#include "rt/label.h"
#include "rt/screen.h"
#include "rt/tray_icon.h"

namespace {

void DrawDot(HDC dc, int size) { rt::DrawBox(dc, 0, 0, size, size, RGB(0, 128, 0), RGB(0, 0, 0)); }

class ControlForm : public rt::Form {
public:
    ControlForm() : rt::Form(Design()), lblSmall({.autoSize = true}), lblOnBlack({.transparent = true, .foreColor = RGB(255, 255, 255)}) {
        Place(lblSmall, rt::ControlDesign{60, 60, 0, 0, "Status:"}.WithFont("Small Fonts", 6.75f));
        Place(lblMissingFont, rt::ControlDesign{60, 400, 1395, 165, "x"}.WithFont("No Such Face", 13.5f));
        Place(lblOnBlack, {60, 700, 1395, 360, "00:00"});
        Place(btnPlay, {1740, 60, 915, 915, "&Play", 0, "Play"});
        Place(btnStop, {1740, 1080, 915, 315, "&Stop", 1, "Stop"});
        btnPlay.SetPicture(rt::IconFor(DrawDot, 32));
    }
    static rt::FormDesign Design() {
        rt::FormDesign d;
        d.clientWidth = 3000;
        d.clientHeight = 1600;
        d.backColor = RGB(0, 0, 0);
        d.icon = DrawDot;
        return d;
    }
    rt::Label lblSmall;
    rt::Label lblMissingFont;
    rt::Label lblOnBlack;
    rt::CommandButton btnPlay;
    rt::CommandButton btnStop;
};

LONG FontHeight(HWND control) {
    LOGFONTA lf{};
    GetObjectA(reinterpret_cast<HFONT>(SendMessageA(control, WM_GETFONT, 0, 0)), sizeof lf, &lf);
    return lf.lfHeight;
}

LONG PointsToHeight(double points) {
    HDC dc = GetDC(nullptr);
    int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    return -std::lround(points * ppi / 72.0);
}

TEST(Controls, LabelsTakeTheirOwnFontAndAMissingFaceKeepsTheDesignedSize) {
    ControlForm f;
    f.Show();
    EXPECT_EQ(FontHeight(f.lblSmall.hwnd()), PointsToHeight(6.75));
    EXPECT_EQ(FontHeight(f.lblMissingFont.hwnd()), PointsToHeight(13.5));
    EXPECT_EQ(f.lblMissingFont.Width(), 1395);
    EXPECT_EQ(f.lblMissingFont.Height(), 165);
    // Auto size follows the caption.
    const int narrow = f.lblSmall.Width();
    EXPECT_GT(narrow, 0);
    f.lblSmall.SetCaption("Status: CD Missing");
    EXPECT_GT(f.lblSmall.Width(), narrow);
}

// The text is drawn in the label's colour straight onto what lies behind it.
TEST(Controls, ATransparentLabelShowsItsContainerBehindItsText) {
    ControlForm f;
    f.Show();
    HWND h = f.lblOnBlack.hwnd();
    RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    HDC dc = GetDC(h);
    RECT r;
    GetClientRect(h, &r);
    int white = 0, black = 0, other = 0;
    for (int y = 0; y < r.bottom; ++y) {
        for (int x = 0; x < r.right; ++x) {
            COLORREF c = GetPixel(dc, x, y);
            if (c == RGB(255, 255, 255)) ++white;
            else if (c == RGB(0, 0, 0)) ++black;
            else ++other;
        }
    }
    ReleaseDC(h, dc);
    EXPECT_GT(white, 0);
    EXPECT_GT(black, white);
    EXPECT_EQ(f.lblOnBlack.ForeColor(), RGB(255, 255, 255));
    f.lblOnBlack.SetForeColor(RGB(255, 0, 0));
    EXPECT_EQ(f.lblOnBlack.ForeColor(), RGB(255, 0, 0));
}

TEST(Controls, TabStopsSwitchAtRunTime) {
    ControlForm f;
    f.Show();
    EXPECT_TRUE(f.btnStop.TabStop());
    f.btnStop.SetTabStop(false);
    EXPECT_FALSE(f.btnStop.TabStop());
    EXPECT_EQ(GetNextDlgTabItem(f.hwnd(), f.btnPlay.hwnd(), FALSE), f.btnPlay.hwnd());
    f.btnStop.SetTabStop(true);
    EXPECT_EQ(GetNextDlgTabItem(f.hwnd(), f.btnPlay.hwnd(), FALSE), f.btnStop.hwnd());
}

std::string ToolTipText(const rt::Form& f, HWND control) {
    char text[128] = {};
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.hwnd = f.hwnd();
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = text;
    SendMessageA(f.ToolTipWindow(), TTM_GETTEXTA, sizeof text, reinterpret_cast<LPARAM>(&ti));
    return text;
}

TEST(Controls, ToolTipsChangeAtRunTime) {
    ControlForm f;
    f.Show();
    EXPECT_EQ(ToolTipText(f, f.btnStop.hwnd()), "Stop");
    f.btnStop.SetToolTip("Back To Tray");
    EXPECT_EQ(ToolTipText(f, f.btnStop.hwnd()), "Back To Tray");
    f.lblSmall.SetToolTip("new");  // a control designed without one gets one
    EXPECT_EQ(ToolTipText(f, f.lblSmall.hwnd()), "new");
}

TEST(Controls, AButtonWithAPictureShowsPictureAndCaption) {
    ControlForm f;
    f.Show();
    EXPECT_EQ(GetWindowLongPtrA(f.btnPlay.hwnd(), GWL_STYLE) & BS_TYPEMASK, BS_OWNERDRAW);
    EXPECT_EQ(f.btnPlay.Caption(), "&Play");
    RedrawWindow(f.btnPlay.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    HDC dc = GetDC(f.btnPlay.hwnd());
    RECT r;
    GetClientRect(f.btnPlay.hwnd(), &r);
    bool green = false;
    for (int y = 0; y < r.bottom && !green; ++y) {
        for (int x = 0; x < r.right && !green; ++x) green = GetPixel(dc, x, y) == RGB(0, 128, 0);
    }
    ReleaseDC(f.btnPlay.hwnd(), dc);
    EXPECT_TRUE(green);
    int clicks = 0;
    f.btnPlay.Click = [&] { ++clicks; };
    SendMessageA(f.btnPlay.hwnd(), BM_CLICK, 0, 0);
    EXPECT_EQ(clicks, 1);
}

#ifndef _WIN64
static_assert(sizeof(rt::TrayIconData) == 88);
#endif

TEST(TrayIcon, TheRecordHoldsOwnerIconCallbackAndABoundedTip) {
    ControlForm f;
    ASSERT_TRUE(f.Load());
    rt::TrayIcon icon;
    icon.Setup(f.hwnd(), f.Icon(16), "Quick Tip");
    const rt::TrayIconData& d = icon.Data();
    EXPECT_EQ(d.cbSize, sizeof(rt::TrayIconData));
    EXPECT_EQ(d.hWnd, f.hwnd());
    EXPECT_EQ(d.uID, 1u);
    EXPECT_EQ(d.uFlags, 7u);
    EXPECT_EQ(d.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(d.hIcon, f.Icon(16));
    EXPECT_STREQ(d.szTip, "Quick Tip");
    EXPECT_EQ(d.szTip[63], ' ');  // blank-filled after the NUL

    // A tip as long as the field keeps its NUL: the shell never reads past it.
    icon.Setup(f.hwnd(), f.Icon(16), std::string(80, 'x'));
    EXPECT_EQ(std::strlen(icon.Data().szTip), 63u);

    ASSERT_TRUE(icon.Add());
    EXPECT_TRUE(icon.Shown());
    EXPECT_TRUE(icon.Delete());
    EXPECT_FALSE(icon.Delete());  // gone already
}

}  // namespace
