#include "quoddle/status_poll.h"

#include <cstdio>

#include "quoddle/modMCI32Api.h"

namespace quoddle {

namespace {

std::string Padded(int value, int digits) {
    char text[16];
    std::snprintf(text, sizeof text, "%0*d", digits, value);
    return text;
}

bool Selected(const Selection& selected, int track) {
    return track >= 1 && track <= static_cast<int>(selected.size()) && selected[track - 1];
}

}  // namespace

DeviceStatus PollDevice() {
    using namespace modMCI32Api;
    DeviceStatus device;
    device.tracks = GetNumTracks();
    if (device.tracks == 1) {
        device.state = DiscState::NoAudio;
        return device;
    }
    if (!IsMediaPresent()) return device;
    device.state = DiscState::Ready;
    device.playing = IsPlaying();
    device.cdLength = GetCDLength(true);
    GetPosition(device.track, device.minutes, device.seconds);
    device.trackLength = GetTrackLength(device.track, true);
    return device;
}

StatusDisplay DisplayFor(const DeviceStatus& device, bool paused) {
    StatusDisplay d;
    if (device.state != DiscState::Ready) {
        const bool noAudio = device.state == DiscState::NoAudio;
        d.status = noAudio ? "Status: No Audio" : "Status: CD Missing";
        d.action = "Action: Stopped";
        d.cdLength = "CD Time: 000:00";
        d.numTracks = "Tracks: 000";
        d.trackLength = "Track Time: 00:00";
        d.track = "[000]";
        d.time = "00:00";
        d.minimizedSuffix = noAudio ? " - No Audio CD" : " - CD Not Found";
        return d;
    }
    d.status = "Status: CD Ready";
    d.listsEnabled = true;
    d.action = device.playing ? "Action: Playing" : paused ? "Action: Paused" : "Action: Stopped";
    d.playEnabled = !device.playing;
    d.transportEnabled = device.playing;
    d.cdLength = "CD Time: " + device.cdLength;
    d.numTracks = "Tracks: " + std::to_string(device.tracks);
    d.trackLength = "Track Time: " + device.trackLength;
    d.track = "[" + Padded(device.track, 3) + "]";
    d.time = Padded(device.minutes, 2) + ":" + Padded(device.seconds, 2);
    d.minimizedSuffix = " - " + d.track + " " + d.time;
    return d;
}

std::string PlayListEntry(int track, const std::string& length) {
    return std::to_string(track) + "  [" + length + "]";
}

bool SkipsCurrentTrack(const DeviceStatus& device, const Selection& selected) {
    const bool hasEntry = device.track >= 1 && device.track <= static_cast<int>(selected.size());
    return device.state == DiscState::Ready && device.playing && device.tracks > 1 && hasEntry &&
           !selected[device.track - 1];
}

bool RestartsDisc(const DeviceStatus& device, short continuousPlay, bool paused) {
    return device.state == DiscState::Ready && !device.playing && device.tracks > 1 &&
           device.track == device.tracks && continuousPlay == 1 && !paused;
}

short NextTrack(short current, short tracks) { return current == tracks ? 1 : static_cast<short>(current + 1); }

short PreviousTrack(short current, const Selection& selected) {
    if (current == 1) return 1;
    for (int track = current - 1; track >= 1; --track)
        if (Selected(selected, track)) return static_cast<short>(track);
    return current;
}

}  // namespace quoddle
