// The player window against the virtual drive: the poll's display and play
// list, the buttons, the selector, the minimized captions, shrinking, and
// what closing the window does in window and tray mode.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "quoddle/frmQuoddle.h"
#include "quoddle/frmTray.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/settings.h"
#include "testkit/dialog_answerer.h"
#include "virtual_disc.h"

using namespace quoddle;
using namespace quoddle::modCommand;
using namespace modMCI32Api;

namespace {

// Three half-minute tracks and a last one of two seconds.
const char kFourTracks[] = "00:30:00\n00:30:00\n00:30:00\n00:02:00\n";

int g_ends = 0;
void RecordEnd() { ++g_ends; }

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 50, QS_ALLINPUT);
        rt::DoEvents();
    }
    return true;
}

short Track() {
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    return track;
}

class PlayerWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_ends = 0;
        before_ = SetEndFunction(RecordEnd);
        rt::DeleteSetting(rt::AppTitle());
        LoadSettings();
        Insert(kFourTracks);
        CloseAll();
        Open();
    }
    // The window made and shown afresh; the tests poll when they mean to.
    void Open() {
        player = &ThePlayer();
        player->Show();
        player->Timer1.SetEnabled(false);
    }
    void TearDown() override {
        if (player->IsLoaded()) player->Unload();
        if (TheTray().IsLoaded()) {
            bolMainOpen = true;  // only the icon goes
            TheTray().Unload();
        }
        ExitCD(true, false);
        SetEndFunction(before_);
        rt::DeleteSetting(rt::AppTitle());
    }
    // A disc put in afresh, the way a user does: the door opens and closes.
    void Insert(const char* description) {
        if (description)
            ASSERT_TRUE(disc_.Describe(description));
        else
            disc_.Remove();
        InitCD();
        OpenDoor();
        CloseDoor();
    }
    void SelectEntries(std::initializer_list<bool> on) {
        int i = 0;
        for (bool s : on) player->lstPlayList.SetSelected(i++, s);
    }

    VirtualDisc disc_;
    frmQuoddle* player = nullptr;
    EndFunction before_ = nullptr;
};

}  // namespace

TEST_F(PlayerWindowTest, ShowsTheDiscWithEveryPlayListEntryOnAndFollowsDiscChanges) {
    EXPECT_EQ(player->Caption(), rt::AppTitleWithVersion());
    EXPECT_EQ(player->lblStatus.Caption(), "Status: CD Ready");
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Stopped");
    EXPECT_EQ(player->lblNumTracks.Caption(), "Tracks: 4");
    EXPECT_EQ(player->lblTrack.Caption(), "[001]");
    ASSERT_EQ(player->lstPlayList.ListCount(), 4);
    EXPECT_EQ(player->lstPlayList.List(0), "1  [00:30]");
    EXPECT_EQ(player->lstPlayList.List(3), "4  [00:02]");
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(player->lstPlayList.Selected(i));
    ASSERT_EQ(player->cmbTrackNum.ListCount(), 4);
    EXPECT_EQ(player->cmbTrackNum.Text(), "1");
    EXPECT_TRUE(player->btnPlay.Enabled());
    EXPECT_FALSE(player->btnStop.Enabled());
    EXPECT_TRUE(player->btnVolume.Enabled());

    // Ejected between two polls: the disc is missing and the lists go.
    player->btnEject_Click();
    EXPECT_EQ(player->lblStatus.Caption(), "Status: CD Missing");
    EXPECT_EQ(player->lstPlayList.ListCount(), 0);
    EXPECT_FALSE(player->lstPlayList.Enabled());
    EXPECT_FALSE(player->cmbTrackNum.Enabled());
    EXPECT_FALSE(player->btnPlay.Enabled());

    // Another disc: the poll opens the device again and builds the list afresh.
    ASSERT_TRUE(disc_.Describe("01:00:00\n02:00:00\n"));
    CloseDoor();
    player->UpdateStatus();
    player->UpdateStatus();
    EXPECT_EQ(player->lblStatus.Caption(), "Status: CD Ready");
    EXPECT_EQ(player->lstPlayList.ListCount(), 2);
    EXPECT_EQ(player->cmbTrackNum.ListCount(), 2);

    Insert("10:00:00\n");
    player->UpdateStatus();
    EXPECT_EQ(player->lblStatus.Caption(), "Status: No Audio");
    EXPECT_EQ(player->lstPlayList.ListCount(), 0);

    // A description that does not read is an empty drive.
    Insert("03:xx:00\n");
    player->UpdateStatus();
    player->UpdateStatus();
    EXPECT_EQ(player->lblStatus.Caption(), "Status: CD Missing");
}

TEST_F(PlayerWindowTest, PlayPauseAndStopMoveTheDiscTheCaptionsAndTheFocus) {
    player->btnPlay_Click();
    EXPECT_TRUE(IsPlaying());
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Playing");
    EXPECT_FALSE(player->btnPlay.Enabled());
    EXPECT_TRUE(player->btnNextTrack.Enabled());
    EXPECT_TRUE(player->btnPause.HasFocus());

    player->btnPause_Click();
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Paused");
    EXPECT_TRUE(player->btnPlay.HasFocus());

    // Stop keeps the paused caption until the disc plays again.
    player->btnStop_Click();
    EXPECT_EQ(Track(), 1);
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Paused");
    player->btnPlay_Click();
    player->btnStop_Click();
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Stopped");
}

TEST_F(PlayerWindowTest, OnePollSkipsEveryUnselectedTrackAndAllUnselectedEndsAtTrackOne) {
    SelectEntries({true, false, false, true});
    PlayTrack(2);
    player->UpdateStatus();
    EXPECT_EQ(Track(), 4);
    EXPECT_EQ(player->lblTrack.Caption(), "[004]");

    SelectEntries({false, false, false, false});
    PlayTrack(3);
    player->UpdateStatus();
    EXPECT_EQ(Track(), 1);
    EXPECT_TRUE(IsPlaying());
    EXPECT_TRUE(player->lstPlayList.Selected(0));
}

TEST_F(PlayerWindowTest, NextAndPreviousWalkThePlayList) {
    PlayTrack(4);
    player->btnNextTrack_Click();
    EXPECT_EQ(Track(), 1);
    EXPECT_TRUE(IsPlaying());

    player->btnPreviousTrack_Click();
    EXPECT_EQ(Track(), 1);

    SelectEntries({true, false, false, true});
    PlayTrack(4);
    player->btnPreviousTrack_Click();
    EXPECT_EQ(Track(), 1);

    // None selected before the current track: it plays again from its start.
    SelectEntries({false, false, true, true});
    GoToPosition(3, 0, 20);
    PlayCD();
    player->btnPreviousTrack_Click();
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(track, 3);
    EXPECT_LT(seconds, 5);
    EXPECT_TRUE(IsPlaying());
}

TEST_F(PlayerWindowTest, ContinuousPlayStartsAgainAfterTheLastTrackOnlyWhenOn) {
    player->Timer1.SetEnabled(true);
    PlayTrack(4);
    EXPECT_TRUE(WaitFor([] { return IsPlaying() && Track() == 1; }));

    player->chkContinuousPlay.SetValue(0);
    EXPECT_EQ(intContinuousPlay, 0);
    PlayTrack(4);
    ASSERT_TRUE(WaitFor([] { return !IsPlaying(); }));
    player->UpdateStatus();
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(Track(), 4);
}

TEST_F(PlayerWindowTest, TheSelectorSeeksWhileStoppedAndPlaysWhilePlaying) {
    player->cmbTrackNum.SetListIndex(2);
    EXPECT_EQ(Track(), 3);
    EXPECT_FALSE(IsPlaying());

    player->btnPlay_Click();
    player->cmbTrackNum.SetListIndex(1);
    EXPECT_EQ(Track(), 2);
    EXPECT_TRUE(IsPlaying());

    // The rebuild's "1" does not move the disc.
    Insert("01:00:00\n02:00:00\n03:00:00\n");
    GoToPosition(2, 0, 10);
    player->UpdateStatus();
    EXPECT_EQ(player->cmbTrackNum.Text(), "1");
    EXPECT_EQ(Track(), 2);
}

TEST_F(PlayerWindowTest, CloseCDDoesNothingWhilePlaying) {
    player->btnEject_Click();
    player->btnClose_Click();
    EXPECT_EQ(player->lblStatus.Caption(), "Status: CD Ready");

    player->btnPlay_Click();
    player->btnClose_Click();
    EXPECT_TRUE(IsPlaying());
}

TEST_F(PlayerWindowTest, MinimizedTheCaptionShowsTheStateAndRestoringPutsBackTheTitle) {
    player->SetWindowState(rt::WindowState::Minimized);
    player->UpdateStatus();
    EXPECT_EQ(player->Caption(), rt::AppTitle() + " - [001] 00:00");
    Insert("10:00:00\n");
    player->UpdateStatus();
    EXPECT_EQ(player->Caption(), rt::AppTitle() + " - No Audio CD");
    Insert(nullptr);
    player->UpdateStatus();
    EXPECT_EQ(player->Caption(), rt::AppTitle() + " - CD Not Found");

    player->SetWindowState(rt::WindowState::Normal);
    EXPECT_EQ(player->Caption(), rt::AppTitleWithVersion());
}

TEST_F(PlayerWindowTest, ShrinkingKeepsTheWidthAndTurnsOffTheLowerTabStops) {
    const int width = player->Width();
    const int height = player->Height();
    EXPECT_EQ(lngFormHeight, height);
    player->imgUp_Click();
    EXPECT_EQ(player->Height(), 2205);
    EXPECT_EQ(player->Width(), width);
    EXPECT_FALSE(player->chkContinuousPlay.TabStop());
    EXPECT_FALSE(player->btnExit.TabStop());
    EXPECT_TRUE(player->btnMix.TabStop());
    player->imgDown_Click();
    EXPECT_EQ(player->Height(), height);
    EXPECT_TRUE(player->cmbTrackNum.TabStop());
    EXPECT_TRUE(player->btnExit.TabStop());
}

TEST_F(PlayerWindowTest, ClosingInWindowModeStopsAsConfiguredThenSavesOrDeletesAndEnds) {
    player->chkSaveSettings.SetValue(1);
    player->chkEjectOnExit.SetValue(1);
    player->btnPlay_Click();
    player->btnExit_Click();
    EXPECT_EQ(g_ends, 1);
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "EjectOnExit"), "1");
    InitCD();
    EXPECT_FALSE(IsMediaPresent());  // the door is open

    g_ends = 0;
    CloseDoor();
    intSaveSettings = 0;
    Open();
    player->btnExit_Click();
    EXPECT_EQ(g_ends, 1);
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "Remember"), "");
}

TEST_F(PlayerWindowTest, TheTrayBoxLoadsTheTrayAndClosingThenLeavesTheDiscPlaying) {
    // Window mode: the box ticked at design is unticked at load.
    EXPECT_EQ(player->chkTrayIcon.Value(), 0);
    EXPECT_EQ(player->btnExit.Caption(), "&Quit");
    EXPECT_EQ(player->btnExit.ToolTip(), "Quit Program");

    player->chkTrayIcon.SetValue(1);
    EXPECT_EQ(intTrayIcon, 1);
    EXPECT_TRUE(TheTray().IsLoaded());
    EXPECT_EQ(player->btnExit.Caption(), "E&xit");
    EXPECT_EQ(player->btnExit.ToolTip(), "Exit Player");

    player->chkStopOnExit.SetValue(0);
    player->btnPlay_Click();
    player->btnExit_Click();
    EXPECT_EQ(g_ends, 0);
    EXPECT_FALSE(bolMainOpen);
    EXPECT_TRUE(IsPlaying());
}

TEST_F(PlayerWindowTest, VolumeReopensTheDeviceWherePlayWasAndMixWithoutAMixerShowsNothing) {
    testkit::DialogAnswerer kit;
    GoToPosition(2, 0, 10);
    player->btnPlay_Click();
    player->btnVolume_Click();
    EXPECT_TRUE(IsPlaying());
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(track, 2);
    EXPECT_GE(seconds, 10);
    EXPECT_EQ(player->lblPlay.Caption(), "Action: Playing");

    player->btnMix_Click();
    EXPECT_TRUE(kit.Seen().empty());
}

TEST_F(PlayerWindowTest, RewindAndFastForwardJumpTenSecondsAndLeaveTheDisplayToTheNextPoll) {
    GoToPosition(2, 0, 15);
    player->UpdateStatus();
    const std::string shown = player->lblTime.Caption();
    player->btnFastForward_Click();
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(seconds, 25);
    player->btnRewind_Click();
    player->btnRewind_Click();
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(seconds, 5);
    EXPECT_EQ(player->lblTime.Caption(), shown);
    player->UpdateStatus();
    EXPECT_EQ(player->lblTime.Caption(), "00:05");
}
