// The MCI layer end to end: its command strings through the real winmm to the
// virtual CD drive.
#include <gtest/gtest.h>

#include <string>

#include "quoddle/modMCI32Api.h"
#include "virtual_disc.h"

using namespace modMCI32Api;

namespace {

// Tracks of 4:12.33, 3:05 and 0:10.
const char kThreeTracks[] = "04:12:33\n03:05:00\n00:10:00\n";

class MciDeviceTest : public ::testing::Test {
protected:
    // The drive keeps its state from one open to the next, so each test puts
    // its disc in afresh.
    void SetUp() override {
        ASSERT_TRUE(disc_.Describe(kThreeTracks));
        ASSERT_EQ(InitCD(), 0);
        OpenDoor();
        CloseDoor();
    }
    void TearDown() override { CloseAll(); }

    static std::string Position() {
        short track = 0, minutes = 0, seconds = 0;
        return GetPosition(track, minutes, seconds);
    }

    VirtualDisc disc_;
};

}  // namespace

TEST_F(MciDeviceTest, ReadsTheTracksAndLengthsOfTheDisc) {
    EXPECT_TRUE(IsMediaPresent());
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(GetNumTracks(), 3);
    EXPECT_EQ(GetCDLength(false), "07:27:33");
    EXPECT_EQ(GetCDLength(true), "07:27");
    EXPECT_EQ(GetTrackLength(1, false), "04:12:33");
    EXPECT_EQ(GetTrackLength(2, true), "03:05");
    short track = 0, minutes = 9, seconds = 9;
    EXPECT_EQ(GetPosition(track, minutes, seconds), "01:00:00:00");
    EXPECT_EQ(track, 1);
    EXPECT_EQ(minutes, 0);
    EXPECT_EQ(seconds, 0);
}

TEST_F(MciDeviceTest, PlayMovesThePositionAndPauseAndStopKeepTheTrack) {
    PlayTrack(2);
    EXPECT_TRUE(IsPlaying());
    Sleep(1100);
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(track, 2);
    EXPECT_GE(minutes * 60 + seconds, 1);
    EXPECT_LE(minutes * 60 + seconds, 3);

    PauseCD();
    EXPECT_FALSE(IsPlaying());
    const std::string paused = Position();
    Sleep(300);
    EXPECT_EQ(Position(), paused);

    PlayCD();
    EXPECT_TRUE(IsPlaying());
    StopCD();
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(Position(), "02:00:00:00");
}

TEST_F(MciDeviceTest, GoesToPositionsAndSkips) {
    GoToPosition(3, 0, 5);
    EXPECT_EQ(Position(), "03:00:05:00");
    SkipBack(2000);
    EXPECT_EQ(Position(), "03:00:03:00");
    SkipForward(1000);
    EXPECT_EQ(Position(), "03:00:04:00");
    // Before the disc's start the drive refuses, and nothing moves.
    GoToPosition(1, 0, 3);
    SkipBack(10000);
    EXPECT_EQ(Position(), "01:00:03:00");

    PlayCD();
    GoToPosition(2, 1, 0);
    EXPECT_TRUE(IsPlaying());
    EXPECT_GE(Position(), "02:01:00:00");
    SkipForward(20000);
    EXPECT_TRUE(IsPlaying());
    EXPECT_GE(Position(), "02:01:20:00");
}

TEST_F(MciDeviceTest, TheDoorTakesTheDiscOut) {
    PlayCD();
    OpenDoor();
    EXPECT_FALSE(IsMediaPresent());
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(GetNumTracks(), 0);
    EXPECT_EQ(GetCDLength(false), "");
    EXPECT_EQ(Position(), "00:00:00");
    // The player's poll opens the device again while the disc is missing.
    ASSERT_EQ(InitCD(), 0);
    EXPECT_FALSE(IsMediaPresent());
    CloseDoor();
    EXPECT_TRUE(IsMediaPresent());
    EXPECT_EQ(GetNumTracks(), 3);
}

TEST_F(MciDeviceTest, PlayingGoesOnWhenTheDeviceIsClosedAndOpenedAgain) {
    GoToPosition(2, 1, 0);
    PlayCD();
    CloseAll();
    ASSERT_EQ(InitCD(), 0);
    EXPECT_TRUE(IsPlaying());
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    EXPECT_EQ(track, 2);
    EXPECT_EQ(minutes, 1);
}

TEST_F(MciDeviceTest, NoDiscGivesFalseAndTheEmptyReplyValues) {
    disc_.Remove();
    ExitCD(false, false);
    ASSERT_EQ(InitCD(), 0);
    EXPECT_FALSE(IsMediaPresent());
    EXPECT_FALSE(IsPlaying());
    EXPECT_EQ(GetNumTracks(), 0);
    EXPECT_EQ(GetTrackLength(1, false), "");
    short track = 5, minutes = 5, seconds = 5;
    EXPECT_EQ(GetPosition(track, minutes, seconds), "00:00:00");
    EXPECT_EQ(track + minutes + seconds, 0);
    PlayTrack(1);
    EXPECT_FALSE(IsPlaying());
}

TEST_F(MciDeviceTest, AnotherDiscIsSeenAtTheNextOpen) {
    ASSERT_TRUE(disc_.Describe("10:00:00\n"));
    EXPECT_EQ(GetNumTracks(), 3);
    ExitCD(true, false);
    ASSERT_EQ(InitCD(), 0);
    EXPECT_EQ(GetNumTracks(), 1);
    EXPECT_EQ(GetCDLength(false), "10:00:00");
}

TEST_F(MciDeviceTest, CommandsToAClosedDeviceFailQuietly) {
    ExitCD(false, true);
    EXPECT_FALSE(IsMediaPresent());
    EXPECT_EQ(GetNumTracks(), 0);
    EXPECT_EQ(Position(), "00:00:00");
}

TEST(MciDevicePrefix, ThePrefixPutsADiscInTheDrive) {
    ASSERT_EQ(InitCD(), 0);
    // Whatever an earlier test left in the drive, the door brings the prefix's disc.
    OpenDoor();
    CloseDoor();
    EXPECT_TRUE(IsMediaPresent());
    EXPECT_GT(GetNumTracks(), 0);
    CloseAll();
}
