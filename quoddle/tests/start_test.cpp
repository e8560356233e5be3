// The start procedure: the single instance, its messages, window or tray
// mode, and the command line.
#include <gtest/gtest.h>

#include <string>

#include "quoddle/frmQuoddle.h"
#include "quoddle/frmTray.h"
#include "quoddle/mci_send.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "rt/app.h"
#include "rt/settings.h"
#include "testkit/dialog_answerer.h"
#include "virtual_disc.h"

using namespace quoddle;
using namespace quoddle::modCommand;
using namespace modMCI32Api;
using testkit::DialogAnswerer;

namespace {

const char kSecondInstance[] = "QUODDLE_SECOND_INSTANCE";

int g_ends = 0;
void RecordEnd() { ++g_ends; }

std::string NoDrives(const std::string&) { return "FIXED"; }
std::string TwoDrives(const std::string& drive) { return drive == "D:" || drive == "E:" ? "CDROM" : "FIXED"; }

MciSendStringFunction g_platform = nullptr;
MCIERROR WINAPI OpenFails(LPCSTR command, LPSTR reply, UINT length, HWND callback) {
    if (std::string(command).rfind("open ", 0) == 0) return MCIERR_CANNOT_LOAD_DRIVER;
    return g_platform(command, reply, length, callback);
}

short Track() {
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    return track;
}

class StartTest : public ::testing::Test {
protected:
    void SetUp() override {
        if (GetEnvironmentVariableA(kSecondInstance, nullptr, 0) > 0) GTEST_SKIP();
        g_ends = 0;
        before_ = SetEndFunction(RecordEnd);
        rt::DeleteSetting(rt::AppTitle());
        ASSERT_TRUE(disc_.Describe("01:00:00\n01:00:00\n01:00:00\n"));
        InitCD();
        OpenDoor();
        CloseDoor();
        CloseAll();
    }
    void TearDown() override {
        if (GetEnvironmentVariableA(kSecondInstance, nullptr, 0) > 0) return;
        bolMainOpen = true;
        if (TheTray().IsLoaded()) TheTray().Unload();
        if (ThePlayer().IsLoaded()) ThePlayer().Unload();
        ExitCD(true, false);
        SetDriveTypeFunction(nullptr);
        SetMciSendString(nullptr);
        SetEndFunction(before_);
        rt::DeleteSetting(rt::AppTitle());
    }

    VirtualDisc disc_;
    EndFunction before_ = nullptr;
};

}  // namespace

TEST_F(StartTest, WindowModeShowsThePlayerAndMarksItOpen) {
    DialogAnswerer kit;
    ASSERT_TRUE(Main());
    EXPECT_TRUE(kit.Seen().empty());
    EXPECT_TRUE(ThePlayer().IsLoaded());
    EXPECT_TRUE(IsWindowVisible(ThePlayer().hwnd()));
    EXPECT_FALSE(TheTray().IsLoaded());
    EXPECT_TRUE(bolMainOpen);
    EXPECT_EQ(ThePlayer().lblStatus.Caption(), "Status: CD Ready");

    // A command line in window mode plays, in the same window.
    ProcessCommandLine("D:\\Track02.cda");
    EXPECT_TRUE(IsPlaying());
    EXPECT_EQ(Track(), 2);
    ProcessCommandLine("/play");
    EXPECT_TRUE(IsPlaying());
}

TEST_F(StartTest, TrayModeLoadsOnlyTheTrayUntilACommandLineComes) {
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, "Remember", "Yes");
    rt::SaveSetting(rt::AppTitle(), kSettingsSection, "TrayIcon", "1");
    ASSERT_TRUE(Main());
    EXPECT_TRUE(TheTray().IsLoaded());
    EXPECT_FALSE(ThePlayer().IsLoaded());
    EXPECT_FALSE(bolMainOpen);

    ProcessCommandLine("C:\\Track\\Track03.cda");  // "\T" after the first TRACK: nothing plays
    EXPECT_TRUE(ThePlayer().IsLoaded());
    EXPECT_FALSE(IsPlaying());
}

// Only 1 is tray mode: any other stored value opens the window, shows the box
// and its button as in window mode, and closing the window ends the program.
TEST_F(StartTest, AStoredTrayFlagOtherThanOneIsWindowModeFromStartToExit) {
    for (const char* stored : {"2", "-1", "5"}) {
        SCOPED_TRACE(stored);
        g_ends = 0;
        rt::SaveSetting(rt::AppTitle(), kSettingsSection, "Remember", "Yes");
        rt::SaveSetting(rt::AppTitle(), kSettingsSection, "TrayIcon", stored);
        ASSERT_TRUE(Main());
        EXPECT_TRUE(IsWindowVisible(ThePlayer().hwnd()));
        EXPECT_FALSE(TheTray().IsLoaded());
        EXPECT_EQ(ThePlayer().btnExit.Caption(), "&Quit");

        ThePlayer().Unload();
        EXPECT_EQ(g_ends, 1) << "the program ends with its window";
        EXPECT_FALSE(TheTray().IsLoaded());
        EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "TrayIcon"), stored);
    }
}

TEST_F(StartTest, EndsWithItsMessageWithoutADriveOrWhenTheDeviceCannotOpen) {
    {
        SetDriveTypeFunction(NoDrives);
        DialogAnswerer kit;
        kit.Expect(testkit::Press(IDOK));
        EXPECT_FALSE(Main());
        ASSERT_EQ(kit.Seen().size(), 1u);
        EXPECT_EQ(kit.Seen()[0].text, "No CDROM found, cannot continue.");
    }
    {
        SetDriveTypeFunction(TwoDrives);
        g_platform = SetMciSendString(OpenFails);
        DialogAnswerer kit;
        kit.Expect(testkit::Press(IDOK));  // the warning about two drives
        kit.Expect(testkit::Press(IDOK));
        EXPECT_FALSE(Main());
        ASSERT_EQ(kit.Seen().size(), 2u);
        EXPECT_EQ(kit.Seen()[0].title, rt::AppTitle() + " : Multiple CDROM's Found");
        EXPECT_EQ(kit.Seen()[1].text, "Error loading multimedia CD subsystem.");
        EXPECT_EQ(kit.Seen()[1].title, rt::AppTitle() + " : CD Error");
        EXPECT_EQ(kit.Seen()[1].icon, testkit::Icon::Error);
    }
    EXPECT_FALSE(ThePlayer().IsLoaded());
    EXPECT_FALSE(TheTray().IsLoaded());
}

TEST(SecondStart, EndsSilentlyAndLeavesTheFirstAlone) {
    if (GetEnvironmentVariableA(kSecondInstance, nullptr, 0) > 0) {
        // The second process: it ends at once, without a window or a message.
        EXPECT_FALSE(Main());
        EXPECT_FALSE(ThePlayer().IsLoaded());
        return;
    }
    EXPECT_FALSE(AnotherInstanceRuns());
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --gtest_filter=SecondStart.*";
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableA(kSecondInstance, "1");
    const BOOL started =
        CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process);
    SetEnvironmentVariableA(kSecondInstance, nullptr);
    ASSERT_TRUE(started);
    // A message box would keep it waiting.
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 1;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(AnotherInstanceRuns());
}
