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
    EXPECT_EQ(TrayIconData.Data().cbSize, 88u);
#endif
    EXPECT_EQ(TrayIconData.Data().cbSize, sizeof(rt::TrayIconData));
    EXPECT_EQ(TrayIconData.Data().hWnd, window.hwnd_);
    EXPECT_EQ(TrayIconData.Data().uID, 1u);
    EXPECT_EQ(TrayIconData.Data().uFlags, 7u);
    EXPECT_EQ(TrayIconData.Data().uCallbackMessage, static_cast<UINT>(WM_MOUSEMOVE));
    EXPECT_EQ(TrayIconData.Data().hIcon, window.icon_);
    EXPECT_EQ(std::string(TrayIconData.Data().szTip), "Quoddle");
    EXPECT_EQ(std::string(TrayIconData.Data().szTip + 8, 64 - 8), std::string(64 - 8, ' '));
}

TEST(TrayIcon, ALongTipIsCutSoThatItsNulStaysInTheField) {
    IconWindow window;
    SetupTrayIcon(window.hwnd_, std::string(64, 'a'));
    EXPECT_EQ(std::string(TrayIconData.Data().szTip), std::string(63, 'a'));
    SetupTrayIcon(window.hwnd_, std::string(300, 'b'));
    EXPECT_EQ(std::string(TrayIconData.Data().szTip), std::string(63, 'b'));
    SetupTrayIcon(window.hwnd_, std::string(63, 'c'));
    EXPECT_EQ(std::string(TrayIconData.Data().szTip), std::string(63, 'c'));
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
