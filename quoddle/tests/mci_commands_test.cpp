// The command strings of the MCI layer, through a recorder in the place of
// mciSendStringA, with scripted replies.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "quoddle/mci_send.h"
#include "quoddle/modMCI32Api.h"

using namespace modMCI32Api;
using Commands = std::vector<std::string>;
using namespace std::string_literals;

namespace {

struct Call {
    std::string command;
    std::string buffer;  // as handed over
    UINT length;
    HWND callback;
};

std::vector<Call> g_calls;
std::map<std::string, std::string> g_replies;
std::map<std::string, MCIERROR> g_codes;

// Writes the scripted reply as winmm would: never past the length, with a
// NUL when there is room for one.
MCIERROR WINAPI Recorder(LPCSTR command, LPSTR reply, UINT length, HWND callback) {
    g_calls.push_back({command, length == 0 ? std::string(reply) : std::string(reply, length), length, callback});
    const auto found = g_replies.find(command);
    if (found != g_replies.end() && length > 0) {
        const std::string& text = found->second;
        const size_t n = std::min<size_t>(text.size(), length);
        memcpy(reply, text.data(), n);
        if (n < length) reply[n] = '\0';
    }
    const auto code = g_codes.find(command);
    return code == g_codes.end() ? 0 : code->second;
}

class MciCommandsTest : public ::testing::Test {
protected:
    void SetUp() override {
        g_calls.clear();
        g_replies.clear();
        g_codes.clear();
        before_ = SetMciSendString(Recorder);
    }
    void TearDown() override { SetMciSendString(before_); }

    static Commands Sent() {
        Commands sent;
        for (const auto& call : g_calls) sent.push_back(call.command);
        return sent;
    }

    MciSendStringFunction before_ = nullptr;
};

const Commands kStopInTrack = {"pause cd", "status cd position", "seek cd to 5"};

}  // namespace

TEST_F(MciCommandsTest, InitCDOpensInTmsfAndReportsTheFirstFailure) {
    g_codes["set cd time format tmsf wait"] = MCIERR_UNSUPPORTED_FUNCTION;
    EXPECT_EQ(InitCD(), 0);
    EXPECT_EQ(Sent(), (Commands{"close all", "open cdaudio alias cd wait shareable", "set cd time format tmsf wait"}));

    g_calls.clear();
    g_codes["open cdaudio alias cd wait shareable"] = MCIERR_CANNOT_LOAD_DRIVER;
    EXPECT_EQ(InitCD(), MCIERR_CANNOT_LOAD_DRIVER);
    EXPECT_EQ(Sent(), (Commands{"close all", "open cdaudio alias cd wait shareable"}));

    g_calls.clear();
    g_codes["close all"] = MCIERR_INTERNAL;
    EXPECT_EQ(InitCD(), MCIERR_INTERNAL);
    EXPECT_EQ(Sent(), (Commands{"close all"}));
}

TEST_F(MciCommandsTest, EachRoutineSendsItsCommandWithItsBuffer) {
    const std::string blanks30(30, ' '), blanks40(40, ' ');
    const struct {
        void (*routine)();
        const char* command;
        UINT length;
    } cases[] = {
        {[] { CloseAll(); }, "close all", 0},
        {[] { OpenCD(); }, "open cdaudio alias cd wait shareable", 0},
        {SetTimeFormatTMSF, "set cd time format tmsf wait", 0},
        {SetTimeFormatMilliseconds, "set cd time format milliseconds", 0},
        {PlayCD, "play cd", 0},
        {PauseCD, "pause cd", 0},
        {OpenDoor, "set cd door open", 0},
        {CloseDoor, "set cd door closed", 0},
        {[] { SeekTrack(7); }, "seek cd to 7", 0},
        {[] { IsMediaPresent(); }, "status cd media present", 30},
        {[] { IsPlaying(); }, "status cd mode", 30},
        {[] { GetNumTracks(); }, "status cd number of tracks wait", 30},
        {[] { GetCDLength(false); }, "status cd length wait", 30},
        {[] { GetTrackLength(12, true); }, "status cd length track 12", 30},
        {[] {
             short t = 0, m = 0, s = 0;
             GetPosition(t, m, s);
         },
         "status cd position", 30},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        c.routine();
        ASSERT_EQ(g_calls.size(), 1u) << c.command;
        EXPECT_EQ(g_calls[0].command, c.command);
        EXPECT_EQ(g_calls[0].length, c.length) << c.command;
        EXPECT_EQ(g_calls[0].buffer, c.length == 0 ? "0" : blanks30) << c.command;
        EXPECT_EQ(g_calls[0].callback, nullptr) << c.command;
    }

    g_calls.clear();
    SkipForward(1);
    ASSERT_GE(g_calls.size(), 2u);
    EXPECT_EQ(g_calls[1].command, "status cd position wait");
    EXPECT_EQ(g_calls[1].length, 40u);
    EXPECT_EQ(g_calls[1].buffer, blanks40);
}

TEST_F(MciCommandsTest, TruthRepliesAreCompared) {
    const struct {
        std::string reply;
        bool mediaPresent, playing;
    } cases[] = {
        {"true", true, false},    {"TRUE", true, false},       {"  true  ", true, false}, {"truex", false, false},
        {"playing", false, true}, {"Playing\0xx"s, false, true}, {"paused", false, false},  {"", false, false},
    };
    for (const auto& c : cases) {
        g_replies["status cd media present"] = g_replies["status cd mode"] = c.reply;
        EXPECT_EQ(IsMediaPresent(), c.mediaPresent) << c.reply;
        EXPECT_EQ(IsPlaying(), c.playing) << c.reply;
    }
}

TEST_F(MciCommandsTest, NumberOfTracksReadsTheFirstTwoCharacters) {
    const struct {
        const char* reply;
        short tracks;
    } cases[] = {{"12", 12}, {"9", 9}, {"123", 12}, {"", 0}, {"no", 0}, {"1x", 0}};
    for (const auto& c : cases) {
        g_replies["status cd number of tracks wait"] = c.reply;
        EXPECT_EQ(GetNumTracks(), c.tracks) << c.reply;
    }
}

TEST_F(MciCommandsTest, LengthsInLongAndShortForm) {
    const struct {
        const char* reply;
        bool shortForm;
        const char* length;
    } cases[] = {
        {"45:12:34", true, "45:12"}, {"45:12:34", false, "45:12:34"}, {"4512", true, "4512"},
        {"45:12", true, "45:12"},    {"", true, ""},
    };
    for (const auto& c : cases) {
        g_replies["status cd length wait"] = g_replies["status cd length track 3"] = c.reply;
        EXPECT_EQ(GetCDLength(c.shortForm), c.length) << c.reply;
        EXPECT_EQ(GetTrackLength(3, c.shortForm), c.length) << c.reply;
    }
}

TEST_F(MciCommandsTest, AReplyFillingTheWholeBufferIsTakenWhole) {
    const std::string full(30, '7');
    g_replies["status cd length wait"] = full + "overflow";
    EXPECT_EQ(GetCDLength(false), full);
}

TEST_F(MciCommandsTest, PositionSetsItsPartsWhereTheyReadAsNumbers) {
    const struct {
        const char* reply;
        const char* returned;
        short track, minutes, seconds;
    } cases[] = {
        {"03:02:15:40", "03:02:15:40", 3, 2, 15},
        {"", "00:00:00", 0, 0, 0},
        {"ab:02:cd:00", "ab:02:cd:00", 9, 2, 9},
        {"07", "07", 7, 9, 9},
    };
    for (const auto& c : cases) {
        g_replies["status cd position"] = c.reply;
        short track = 9, minutes = 9, seconds = 9;
        EXPECT_EQ(GetPosition(track, minutes, seconds), c.returned);
        EXPECT_EQ(track, c.track) << c.reply;
        EXPECT_EQ(minutes, c.minutes) << c.reply;
        EXPECT_EQ(seconds, c.seconds) << c.reply;
    }
}

TEST_F(MciCommandsTest, GoToPositionPlaysOnOnlyWhilePlaying) {
    g_replies["status cd mode"] = "playing";
    GoToPosition(3, 2, 5);
    EXPECT_EQ(Sent(), (Commands{"status cd mode", "play cd from 03:02:05"}));

    g_calls.clear();
    g_replies["status cd mode"] = "stopped";
    GoToPosition(3, 2, 5);
    GoToPosition(12, 10, 30);
    EXPECT_EQ(Sent(), (Commands{"status cd mode", "seek cd to 03:02:05", "status cd mode", "seek cd to 12:10:30"}));
}

TEST_F(MciCommandsTest, SkipsCountInMillisecondsWithoutClamping) {
    const struct {
        void (*skip)();
        const char* position;
        const char* mode;
        Commands moves;
    } cases[] = {
        {[] { SkipBack(10000); }, "4000", "stopped", {"status cd mode", "seek cd to -6000"}},
        {[] { SkipBack(10000); }, "4000", "playing", {"status cd mode", "play cd from -6000"}},
        {[] { SkipForward(30000); }, "4000", "stopped", {"status cd mode", "seek cd to 34000"}},
        // No disc: no number, no move, and the format still goes back.
        {[] { SkipForward(30000); }, "", "not ready", {}},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        g_replies["status cd position wait"] = c.position;
        g_replies["status cd mode"] = c.mode;
        c.skip();
        Commands expected = {"set cd time format milliseconds", "status cd position wait"};
        expected.insert(expected.end(), c.moves.begin(), c.moves.end());
        expected.push_back("set cd time format tmsf wait");
        EXPECT_EQ(Sent(), expected) << c.position << " " << c.mode;
    }
}

TEST_F(MciCommandsTest, StopRestsAtTheStartOfTheTrackAndPlayTrackGoesOnFromThere) {
    g_replies["status cd position"] = "05:03:12:60";
    StopCD();
    EXPECT_EQ(Sent(), kStopInTrack);

    g_calls.clear();
    PlayTrack(2);
    Commands expected = kStopInTrack;
    expected.insert(expected.end(), {"seek cd to 2", "play cd"});
    EXPECT_EQ(Sent(), expected);
}

TEST_F(MciCommandsTest, ExitCDStopsAndEjectsAsAsked) {
    g_replies["status cd position"] = "05:00:00:00";
    const Commands eject = {"pause cd", "status cd position", "seek cd to 5", "set cd door open", "close all"};
    const struct {
        bool stop, eject;
        Commands sent;
    } cases[] = {
        {false, false, {"close all"}},
        {true, false, {"pause cd", "status cd position", "seek cd to 5", "close all"}},
        {false, true, eject},
        {true, true, eject},
    };
    for (const auto& c : cases) {
        g_calls.clear();
        ExitCD(c.stop, c.eject);
        EXPECT_EQ(Sent(), c.sent) << c.stop << c.eject;
    }
}
