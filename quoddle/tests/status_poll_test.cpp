// The poll's reading of the virtual drive and the display it gives, and the
// tracks the track buttons and the poll's automatic steps ask for.
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "quoddle/modMCI32Api.h"
#include "quoddle/status_poll.h"
#include "virtual_disc.h"

using namespace quoddle;
using namespace modMCI32Api;

namespace {

// Tracks of 4:12.33, 3:05 and 0:01.
const char kThreeTracks[] = "04:12:33\n03:05:00\n00:01:00\n";

bool WaitFor(const std::function<bool()>& condition, DWORD timeoutMs = 10000) {
    const DWORD start = GetTickCount();
    while (!condition()) {
        if (GetTickCount() - start > timeoutMs) return false;
        Sleep(20);
    }
    return true;
}

class StatusPollTest : public ::testing::Test {
protected:
    void Insert(const char* description) {
        if (description)
            ASSERT_TRUE(disc_.Describe(description));
        else
            disc_.Remove();
        ASSERT_EQ(InitCD(), 0);
        OpenDoor();
        CloseDoor();
    }
    void TearDown() override { CloseAll(); }
    VirtualDisc disc_;
};

}  // namespace

TEST_F(StatusPollTest, TheDisplayFollowsTheDiscState) {
    struct Case {
        const char* what;
        const char* disc;
        std::function<void()> act;
        bool paused;
        StatusDisplay expected;
    };
    const auto none = [] {};
    const Case cases[] = {
        {"no disc", nullptr, none, false,
         {"Status: CD Missing", "Action: Stopped", "CD Time: 000:00", "Tracks: 000", "Track Time: 00:00", "[000]",
          "00:00", false, false, false, " - CD Not Found"}},
        {"one track", "10:00:00\n", none, false,
         {"Status: No Audio", "Action: Stopped", "CD Time: 000:00", "Tracks: 000", "Track Time: 00:00", "[000]",
          "00:00", false, false, false, " - No Audio CD"}},
        {"stopped", kThreeTracks, none, false,
         {"Status: CD Ready", "Action: Stopped", "CD Time: 07:18", "Tracks: 3", "Track Time: 04:12", "[001]", "00:00",
          true, false, true, " - [001] 00:00"}},
        {"playing", kThreeTracks, [] { GoToPosition(2, 1, 5); PlayCD(); }, false,
         {"Status: CD Ready", "Action: Playing", "CD Time: 07:18", "Tracks: 3", "Track Time: 03:05", "[002]", "01:05",
          false, true, true, " - [002] 01:05"}},
        {"paused then stopped", kThreeTracks, [] { PlayTrack(2); PauseCD(); StopCD(); }, true,
         {"Status: CD Ready", "Action: Paused", "CD Time: 07:18", "Tracks: 3", "Track Time: 03:05", "[002]", "00:00",
          true, false, true, " - [002] 00:00"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Insert(c.disc);
        c.act();
        const StatusDisplay d = DisplayFor(PollDevice(), c.paused);
        const StatusDisplay& e = c.expected;
        EXPECT_EQ(d.status, e.status);
        EXPECT_EQ(d.action, e.action);
        EXPECT_EQ(d.cdLength, e.cdLength);
        EXPECT_EQ(d.numTracks, e.numTracks);
        EXPECT_EQ(d.trackLength, e.trackLength);
        EXPECT_EQ(d.track, e.track);
        EXPECT_EQ(d.time.substr(0, 4), e.time.substr(0, 4));  // a playing disc moves on by a second or so
        EXPECT_EQ(d.playEnabled, e.playEnabled);
        EXPECT_EQ(d.transportEnabled, e.transportEnabled);
        EXPECT_EQ(d.listsEnabled, e.listsEnabled);
        EXPECT_EQ(d.minimizedSuffix.substr(0, 11), e.minimizedSuffix.substr(0, 11));
    }
}

TEST_F(StatusPollTest, TheDiscStartsAgainAfterItsLastTrackOnlyWithContinuousPlayAndNoPause) {
    Insert(kThreeTracks);
    PlayTrack(3);
    ASSERT_TRUE(WaitFor([] { return !IsPlaying(); }));
    const DeviceStatus ended = PollDevice();
    EXPECT_EQ(ended.track, 3);
    EXPECT_TRUE(RestartsDisc(ended, 1, false));
    EXPECT_FALSE(RestartsDisc(ended, 0, false));
    EXPECT_FALSE(RestartsDisc(ended, 1, true));

    StopCD();
    SeekTrack(1);  // what Stop does: track 1 is not the last
    EXPECT_FALSE(RestartsDisc(PollDevice(), 1, false));
}

TEST(TrackChoice, SkipNextAndPreviousWalkThePlayList) {
    DeviceStatus playing;
    playing.state = DiscState::Ready;
    playing.playing = true;
    playing.tracks = 4;
    const Selection someOff = {true, false, false, true};

    struct SkipCase {
        short track;
        bool playing;
        short tracks;
        bool skips;
    };
    const SkipCase skips[] = {
        {1, true, 4, false}, {2, true, 4, true},  {4, true, 4, false},
        {2, false, 4, false},  // only while playing
        {0, true, 4, false},   // no entry: passed over
        {9, true, 4, false},   // beyond the list after a disc change
    };
    for (const SkipCase& c : skips) {
        SCOPED_TRACE(c.track);
        DeviceStatus d = playing;
        d.track = c.track;
        d.playing = c.playing;
        d.tracks = c.tracks;
        EXPECT_EQ(SkipsCurrentTrack(d, someOff), c.skips);
    }

    EXPECT_EQ(NextTrack(2, 4), 3);
    EXPECT_EQ(NextTrack(4, 4), 1);
    EXPECT_EQ(NextTrack(0, 4), 1);

    EXPECT_EQ(PreviousTrack(1, someOff), 1);
    EXPECT_EQ(PreviousTrack(4, someOff), 1);  // over the two that are off
    EXPECT_EQ(PreviousTrack(2, someOff), 1);
    EXPECT_EQ(PreviousTrack(4, {false, false, false, false}), 4);  // none before: the current track again
    EXPECT_EQ(PreviousTrack(0, someOff), 0);
    EXPECT_EQ(PreviousTrack(9, someOff), 4);  // entries beyond the list are not read
}

TEST(TrackChoice, PlayListEntries) {
    EXPECT_EQ(PlayListEntry(3, "04:13"), "3  [04:13]");
    EXPECT_EQ(PlayListEntry(12, ""), "12  []");
}
