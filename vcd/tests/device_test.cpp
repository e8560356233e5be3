// The virtual drive through the real winmm: the replies a drive gives, in
// their forms, and how the disc, the door and the clock change them.
#include <windows.h>
#include <mmsystem.h>

#include <gtest/gtest.h>

#include <string>

#include "virtual_disc.h"

namespace {

MCIERROR Code(const std::string& command) {
    char reply[128] = "";
    return mciSendStringA(command.c_str(), reply, sizeof reply, nullptr);
}

std::string Reply(const std::string& command) {
    char reply[128] = "";
    const MCIERROR code = mciSendStringA(command.c_str(), reply, sizeof reply, nullptr);
    return code == 0 ? reply : "error " + std::to_string(code);
}

// Tracks of 4:12.33, 3:05 and 0:10, so 7:27.33 in all.
const char kThreeTracks[] = "; a test disc\r\n04:12:33\r\n03:05\r\n\r\n00:10:00\r\n";

class VirtualDriveTest : public ::testing::Test {
protected:
    // The drive keeps its state from one open to the next, so each test puts
    // its disc in afresh.
    void SetUp() override {
        ASSERT_TRUE(disc_.Describe(kThreeTracks));
        ASSERT_EQ(Code("open cdaudio alias cd wait shareable"), 0u);
        ASSERT_EQ(Code("set cd door open"), 0u);
        ASSERT_EQ(Code("set cd door closed"), 0u);
    }
    void TearDown() override { Code("close all"); }

    void Reopen() {
        ASSERT_EQ(Code("close all"), 0u);
        ASSERT_EQ(Code("open cdaudio alias cd wait shareable"), 0u);
    }

    VirtualDisc disc_;
};

}  // namespace

TEST_F(VirtualDriveTest, AnswersInTheFormsOfARealDrive) {
    const struct {
        const char* command;
        const char* reply;
    } steps[] = {
        {"status cd media present", "true"},
        {"status cd number of tracks wait", "3"},
        {"status cd mode", "stopped"},
        // After open a drive counts in msf; the audio starts two seconds in.
        {"status cd position", "00:02:00"},
        {"status cd length wait", "07:27:33"},
        {"set cd time format tmsf wait", ""},
        {"status cd position", "01:00:00:00"},
        {"status cd length", "07:27:33"},
        {"status cd length track 2", "03:05:00"},
        {"seek cd to 2", ""},
        {"status cd position", "02:00:00:00"},
        {"status cd current track", "2"},
        {"seek cd to 03:00:05", ""},
        {"status cd position", "03:00:05:00"},
        {"status cd mode", "stopped"},
        {"set cd time format milliseconds", ""},
        // Track 3 starts at frame 150 + 18933 + 13875; five seconds on.
        {"status cd position wait", "444440"},
        {"status cd length track 1", "252440"},
        {"set cd time format msf", ""},
        {"status cd position", "07:24:33"},
        {"seek cd to start", ""},
        {"status cd position", "00:02:00"},
    };
    for (const auto& step : steps) EXPECT_EQ(Reply(step.command), step.reply) << step.command;
}

TEST_F(VirtualDriveTest, PlayMovesWithTheClockAndStopsAtTheEndOfTheDisc) {
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    ASSERT_EQ(Code("play cd from 02:01:00"), 0u);
    Sleep(1100);
    EXPECT_EQ(Reply("status cd mode"), "playing");
    const std::string position = Reply("status cd position");
    EXPECT_GE(position, "02:01:01:00");
    EXPECT_LE(position, "02:01:03:00");
    ASSERT_EQ(Code("pause cd"), 0u);
    EXPECT_EQ(Reply("status cd mode"), "paused");
    const std::string paused = Reply("status cd position");
    Sleep(300);
    EXPECT_EQ(Reply("status cd position"), paused);

    // The last second of the disc plays out, and the drive stops there.
    ASSERT_EQ(Code("play cd from 03:00:09"), 0u);
    Sleep(1300);
    EXPECT_EQ(Reply("status cd mode"), "stopped");
    EXPECT_EQ(Reply("status cd position"), "03:00:10:00");
    ASSERT_EQ(Code("play cd from 01:00:00 to 01:00:01"), 0u);
    Sleep(1300);
    EXPECT_EQ(Reply("status cd position"), "01:00:01:00");
}

TEST_F(VirtualDriveTest, TheDoorTakesTheDiscOutUntilItCloses) {
    ASSERT_EQ(Code("play cd"), 0u);
    ASSERT_EQ(Code("set cd door open"), 0u);
    EXPECT_EQ(Reply("status cd mode"), "open");
    EXPECT_EQ(Reply("status cd media present"), "false");
    EXPECT_EQ(Code("status cd number of tracks"), static_cast<MCIERROR>(MCIERR_DEVICE_NOT_READY));
    EXPECT_EQ(Code("play cd"), static_cast<MCIERROR>(MCIERR_DEVICE_NOT_READY));
    // Opening the device again closes no door.
    Reopen();
    EXPECT_EQ(Reply("status cd mode"), "open");
    EXPECT_EQ(Reply("status cd media present"), "false");

    // Another disc goes in while the tray is out.
    ASSERT_TRUE(disc_.Describe("01:00:00\n"));
    ASSERT_EQ(Code("set cd door closed"), 0u);
    EXPECT_EQ(Reply("status cd mode"), "stopped");
    EXPECT_EQ(Reply("status cd number of tracks"), "1");
}

TEST_F(VirtualDriveTest, TheDiscPlaysOnWhileTheDeviceIsOpenedAgain) {
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    ASSERT_EQ(Code("play cd from 02:01:00"), 0u);
    Reopen();
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    EXPECT_EQ(Reply("status cd mode"), "playing");
    EXPECT_GE(Reply("status cd position"), "02:01:00:00");

    // Another description is another disc, which goes in stopped at its start.
    ASSERT_TRUE(disc_.Describe("05:00:00\n06:00:00\n"));
    Reopen();
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    EXPECT_EQ(Reply("status cd mode"), "stopped");
    EXPECT_EQ(Reply("status cd number of tracks"), "2");
    EXPECT_EQ(Reply("status cd position"), "01:00:00:00");
}

TEST_F(VirtualDriveTest, AMissingOrBadDescriptionIsAnEmptyDrive) {
    const char* descriptions[] = {"", "no disc\n", "04:12:33\nfour minutes\n", "04:60:00\n", "00:00:00\n",
                                  "04:12:75\n", "99:00:00\n02:00:00\n"};
    for (const char* text : descriptions) {
        ASSERT_TRUE(disc_.Describe(text));
        Reopen();
        EXPECT_EQ(Reply("status cd media present"), "false") << text;
        EXPECT_EQ(Reply("status cd mode"), "not ready") << text;
        EXPECT_NE(Code("status cd position"), 0u) << text;
    }
    disc_.Remove();
    Reopen();
    EXPECT_EQ(Reply("status cd media present"), "false");
}

TEST_F(VirtualDriveTest, RefusesPlacesTheDiscDoesNotHave) {
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    EXPECT_EQ(Code("seek cd to 4"), static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Code("status cd length track 9"), static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
    ASSERT_EQ(Code("set cd time format milliseconds"), 0u);
    EXPECT_NE(Code("seek cd to -6000"), 0u);
    EXPECT_EQ(Code("seek cd to 999999999"), static_cast<MCIERROR>(MCIERR_OUTOFRANGE));
    EXPECT_EQ(Reply("status cd position"), "2000");
}

TEST_F(VirtualDriveTest, SharedOpensSeeOneDrive) {
    ASSERT_EQ(Code("open cdaudio alias other shareable"), 0u);
    ASSERT_EQ(Code("set cd time format tmsf"), 0u);
    ASSERT_EQ(Code("set other time format tmsf"), 0u);
    ASSERT_EQ(Code("seek cd to 3"), 0u);
    EXPECT_EQ(Reply("status other position"), "03:00:00:00");
    EXPECT_EQ(Code("open cdaudio alias mine"), static_cast<MCIERROR>(MCIERR_MUST_USE_SHAREABLE));
}
