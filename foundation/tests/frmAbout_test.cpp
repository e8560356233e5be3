#include "foundation/frmAbout.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "rt/events.h"
#include "rt/screen.h"

namespace {

using foundation::frmAbout;

std::string ShownText(const rt::Control& c) { return rt::WindowText(c.hwnd()); }

TEST(frmAbout, ShowsTheProgramItsVersionDescriptionAndDisclaimerEveryTime) {
    const std::string disclaimer =
        "Disclaimer:\r\n"
        "\r\n"
        "The Author, or anyone associated in \r\n"
        "partnership, is not liable for any financial or \r\n"
        "resource burden that may occur due to \r\n"
        "software malfunctions or data loss during \r\n"
        "use of this application.  This application \r\n"
        "provides no warranty and must not be used \r\n"
        "under business critical circumstances.\r\n";
    frmAbout about;
    for (int opening = 0; opening < 2; ++opening) {
        about.Show();
        ASSERT_TRUE(about.IsLoaded());
        EXPECT_EQ(about.Caption(), "About Foundation Test");
        EXPECT_EQ(ShownText(about.lblAboutName), "Foundation Test 5.5.0");
        EXPECT_EQ(ShownText(about.lblAboutProduct), "Foundation Test");
        EXPECT_EQ(ShownText(about.txtAboutDisclaimer), disclaimer);
        EXPECT_EQ(ShownText(about.btnAboutClose), "&Close");
        about.Unload();
    }
}

TEST(frmAbout, IsAFixedDialogOfTheDesignedSize) {
    frmAbout about;
    about.Show();
    HWND w = about.hwnd();
    RECT client{};
    GetClientRect(w, &client);
    EXPECT_EQ(client.right, rt::TwipsToPixelsX(5250));
    EXPECT_EQ(client.bottom, rt::TwipsToPixelsY(3450));
    LONG style = GetWindowLongA(w, GWL_STYLE);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));
    EXPECT_TRUE(style & WS_SYSMENU);  // the close box
    ASSERT_TRUE(about.imgAboutIcon.HasPicture());
    SIZE picture = about.imgAboutIcon.GetPicture().SizePixels();
    EXPECT_EQ(picture.cx, 80);
    EXPECT_EQ(picture.cy, 161);
    // The picture inside the image's fixed single border.
    EXPECT_EQ(about.imgAboutIcon.Width(), 1260);
    EXPECT_EQ(about.imgAboutIcon.Height(), 2475);
    RECT inside{};
    GetClientRect(about.imgAboutIcon.hwnd(), &inside);
    EXPECT_EQ(inside.right, 80);
    EXPECT_EQ(inside.bottom, 161);
}

void PostKey(HWND to, WPARAM key) {
    PostMessageA(to, WM_KEYDOWN, key, 1);
    PostMessageA(to, WM_KEYUP, key, 0xC0000001);
}

// "Close", a double-click on the picture, the close box, and Escape wherever
// the focus is (key preview; here in the disclaimer). Other keys do not.
TEST(frmAbout, ClosesByItsButtonPictureCloseBoxAndEscape) {
    frmAbout about;
    const struct {
        const char* way;
        std::function<void()> act;
        bool closes;
    } ways[] = {
        {"Close", [&] { SendMessageA(about.btnAboutClose.hwnd(), BM_CLICK, 0, 0); }, true},
        {"picture", [&] { PostMessageA(about.imgAboutIcon.hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(5, 5)); },
         true},
        {"close box", [&] { PostMessageA(about.hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0); }, true},
        {"a letter", [&] { PostKey(about.txtAboutDisclaimer.hwnd(), 'A'); }, false},
        {"Escape", [&] { PostKey(about.txtAboutDisclaimer.hwnd(), VK_ESCAPE); }, true},
    };
    for (const auto& w : ways) {
        about.Show();
        about.txtAboutDisclaimer.SetFocus();
        w.act();
        for (int i = 0; i < 5 && about.IsLoaded(); ++i) rt::DoEvents();
        EXPECT_EQ(about.IsLoaded(), !w.closes) << w.way;
    }
}

}  // namespace
