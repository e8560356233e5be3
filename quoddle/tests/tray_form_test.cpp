// The tray form: the icon's mouse presses and the tray menu's items.
#include <gtest/gtest.h>

#include "quoddle/frmQuoddle.h"
#include "quoddle/frmTray.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "quoddle/modTrayIcon.h"
#include "rt/app.h"
#include "rt/settings.h"
#include "virtual_disc.h"

using namespace quoddle;
using namespace quoddle::modCommand;
using namespace modMCI32Api;

namespace {

int g_ends = 0;
void RecordEnd() { ++g_ends; }

class TrayFormTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_ends = 0;
        before_ = SetEndFunction(RecordEnd);
        rt::DeleteSetting(rt::AppTitle());
        LoadSettings();
        intTrayIcon = 1;
        ASSERT_TRUE(disc_.Describe("01:00:00\n01:00:00\n"));
        InitCD();
        OpenDoor();
        CloseDoor();
        tray.Load();
    }
    void TearDown() override {
        if (ThePlayer().IsLoaded()) ThePlayer().Unload();
        if (tray.IsLoaded()) tray.Unload();
        ExitCD(true, false);
        SetEndFunction(before_);
        rt::DeleteSetting(rt::AppTitle());
    }
    // What the shell sends the tray form for a mouse message on the icon.
    static void Press(UINT mouseMessage) {
        SendMessageA(TheTray().hwnd(), modTrayIcon::TrayIconData.Data().uCallbackMessage, 1, mouseMessage);
    }

    VirtualDisc disc_;
    frmTray& tray = TheTray();
    EndFunction before_ = nullptr;
};

}  // namespace

TEST_F(TrayFormTest, TheIconCarriesTheTitleAndALeftPressBringsThePlayerBackInNormalState) {
    EXPECT_EQ(std::string(modTrayIcon::TrayIconData.Data().szTip), rt::AppTitle());
    EXPECT_EQ(modTrayIcon::TrayIconData.Data().hWnd, tray.hwnd());
    EXPECT_FALSE(IsWindowVisible(tray.hwnd()));

    Press(WM_LBUTTONUP);
    Press(WM_LBUTTONDBLCLK);
    EXPECT_FALSE(ThePlayer().IsLoaded());
    Press(WM_LBUTTONDOWN);
    ASSERT_TRUE(ThePlayer().IsLoaded());
    EXPECT_TRUE(IsWindowVisible(ThePlayer().hwnd()));
    // Loaded in tray mode, the box keeps its design caption and tooltip.
    EXPECT_EQ(ThePlayer().btnExit.Caption(), "E&xit");
    EXPECT_EQ(ThePlayer().btnExit.ToolTip(), "Back To Tray");

    ThePlayer().SetWindowState(rt::WindowState::Minimized);
    tray.mnuitemRestore_Click();
    EXPECT_EQ(ThePlayer().WindowState(), rt::WindowState::Normal);
}

TEST_F(TrayFormTest, CloseCDLeavesAPlayingDiscAndEjectOpensTheDoor) {
    PlayCD();
    tray.mnuitemClose_Click();
    InitCD();
    EXPECT_TRUE(IsPlaying());

    tray.mnuitemEject_Click();
    InitCD();
    EXPECT_FALSE(IsMediaPresent());
    tray.mnuitemClose_Click();
    InitCD();
    EXPECT_TRUE(IsMediaPresent());
}

TEST_F(TrayFormTest, QuitSavesOrDeletesEverySettingAndEjectsWhenAsked) {
    rt::SaveSetting(rt::AppTitle(), "Other", "Key", "x");
    intSaveSettings = 0;
    tray.mnuitemQuit_Click();
    EXPECT_EQ(g_ends, 1);
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), "Other", "Key"), "");

    tray.Load();
    intSaveSettings = 1;
    intEjectOnExit = 1;
    PlayCD();
    tray.mnuitemQuit_Click();
    EXPECT_EQ(g_ends, 2);
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "Remember"), "Yes");
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "TrayIcon"), "1");
    InitCD();
    EXPECT_FALSE(IsMediaPresent());
}

TEST_F(TrayFormTest, UnloadingWithThePlayerOpenOnlyRemovesTheIcon) {
    Press(WM_LBUTTONDOWN);
    bolMainOpen = true;
    tray.Unload();
    EXPECT_EQ(g_ends, 0);
    EXPECT_TRUE(ThePlayer().IsLoaded());
}

TEST_F(TrayFormTest, AboutOpensTheAboutBoxBesideThePlayer) {
    tray.mnuitemAbout_Click();
    HWND about = FindWindowA(nullptr, ("About " + rt::AppTitle()).c_str());
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(IsWindowVisible(about));
    EXPECT_TRUE(IsWindowEnabled(tray.hwnd()));  // modeless: nothing else is held
    SendMessageA(about, WM_CLOSE, 0, 0);
}
