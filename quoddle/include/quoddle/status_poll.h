#pragma once
// The player's one-second poll, apart from its window: what the CD device
// answers, what the display shows for it, and the tracks the poll's
// automatic steps and the track buttons ask for.
#include <string>
#include <vector>

namespace quoddle {

// "No Audio": a disc reporting exactly one track; "Missing": no disc answers.
enum class DiscState { NoAudio, Ready, Missing };

struct DeviceStatus {
    DiscState state = DiscState::Missing;
    short tracks = 0;
    // The rest is asked for only when the disc is ready.
    bool playing = false;
    std::string cdLength;     // mm:ss
    short track = 0, minutes = 0, seconds = 0;
    std::string trackLength;  // mm:ss of the current track
};

// Asks the device, in the poll's order: the track count, the medium, the
// mode, the disc's length, the position and the current track's length.
DeviceStatus PollDevice();

struct StatusDisplay {
    std::string status, action, cdLength, numTracks, trackLength, track, time;
    bool playEnabled = false;       // btnPlay
    bool transportEnabled = false;  // the other six transport buttons
    bool listsEnabled = false;      // play list, selector, Volume and Mix
    std::string minimizedSuffix;    // after the program title while minimized
};

// The display for a device status; paused tells a stopped disc from a paused one.
StatusDisplay DisplayFor(const DeviceStatus& device, bool paused);

// A play-list entry: the track, two blanks and its length in brackets.
std::string PlayListEntry(int track, const std::string& length);

// Play-list selection by track number, entry track - 1. A track without an
// entry (0, or beyond the list after a disc change) is passed over.
using Selection = std::vector<bool>;

// The poll plays the next track while the current one's entry is off.
bool SkipsCurrentTrack(const DeviceStatus& device, const Selection& selected);
// The poll starts the disc again after its last track stopped.
bool RestartsDisc(const DeviceStatus& device, short continuousPlay, bool paused);
// Next: the track after current, or track 1 after the last.
short NextTrack(short current, short tracks);
// Previous: track 1 from track 1; else the nearest selected entry before
// current; none selected: current itself, from its start.
short PreviousTrack(short current, const Selection& selected);

}  // namespace quoddle
