// The tray icon's record and the decoding of its mouse messages.
#include <gtest/gtest.h>

#include <string>

#include "quoddle/modTrayIcon.h"

using namespace modTrayIcon;

namespace {

// A plain window with an icon of its own, as the tray form has.
class IconWindow {
public:
    IconWindow() {
        hwnd_ = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr, nullptr, nullptr);
        icon_ = LoadIconA(nullptr, IDI_APPLICATION);
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon_));
    }
    ~IconWindow() { DestroyWindow(hwnd_); }
    HWND hwnd_;
    HICON icon_;
};

}  // namespace

TEST(TrayIcon, TheRecordNamesTheWindowItsIconTheCallbackAndTheTip) {
    IconWindow window;
    SetupTrayIcon(window.hwnd_, "Quoddle");
#ifndef _WIN64
    EXPECT_EQ(TrayIconData.cbSize, 88u);
#endif
    EXPECT_EQ(TrayIconData.cbSize, offsetof(NOTIFYICONDATAA, szTip) + kTipField);
    EXPECT_EQ(TrayIconData.hWnd, window.hwnd_);
    EXPECT_EQ(TrayIconData.uID, 1u);
    EXPECT_EQ(TrayIconData.uFlags, 7u);
    EXPECT_EQ(TrayIconData.uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(TrayIconData.hIcon, window.icon_);
    EXPECT_EQ(std::string(TrayIconData.szTip), "Quoddle");
    EXPECT_EQ(std::string(TrayIconData.szTip + 8, kTipField - 8), std::string(kTipField - 8, ' '));
}

TEST(TrayIcon, ALongTipIsCutSoThatItsNulStaysInTheField) {
    IconWindow window;
    SetupTrayIcon(window.hwnd_, std::string(64, 'a'));
    EXPECT_EQ(std::string(TrayIconData.szTip), std::string(63, 'a'));
    SetupTrayIcon(window.hwnd_, std::string(300, 'b'));
    EXPECT_EQ(std::string(TrayIconData.szTip), std::string(63, 'b'));
    SetupTrayIcon(window.hwnd_, std::string(63, 'c'));
    EXPECT_EQ(std::string(TrayIconData.szTip), std::string(63, 'c'));
}

TEST(TrayIcon, MouseMessagesDecodeByTheirNumberInTwips) {
    struct Case {
        double x;
        TrayMouse expected;
    };
    const Case cases[] = {
        {WM_RBUTTONDOWN * 15.0, TrayMouse::ShowMenu},
        {WM_LBUTTONDOWN * 15.0, TrayMouse::ShowPlayer},
        {WM_LBUTTONDOWN * 15.0 + 0.4, TrayMouse::ShowPlayer},  // rounded first
        {WM_RBUTTONUP * 15.0, TrayMouse::Nothing},
        {WM_LBUTTONUP * 15.0, TrayMouse::Nothing},
        {WM_LBUTTONDBLCLK * 15.0, TrayMouse::Nothing},
        {WM_RBUTTONDBLCLK * 15.0, TrayMouse::Nothing},
        {WM_MOUSEMOVE * 15.0, TrayMouse::Nothing},
        {0, TrayMouse::Nothing},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(DecodeTrayMouse(c.x), c.expected);
    }
}
