#pragma once
// The disc in the virtual drive, as its description file tells it.
#include <windows.h>

#include <string>
#include <vector>

namespace vcd {

constexpr DWORD kFramesPerSecond = 75;
constexpr DWORD kFramesPerMinute = 60 * kFramesPerSecond;
// The audio of a disc starts two seconds in (00:02:00), as on every audio CD.
constexpr DWORD kFirstTrackFrame = 2 * kFramesPerSecond;

struct Disc {
    std::vector<DWORD> trackFrames;  // each track's length in frames; none: no disc

    bool present() const { return !trackFrames.empty(); }
    int tracks() const { return static_cast<int>(trackFrames.size()); }
    bool hasTrack(int track) const { return track >= 1 && track <= tracks(); }
    DWORD totalFrames() const;
    DWORD trackStart(int track) const;  // absolute frame of a track 1..tracks()
    DWORD end() const { return kFirstTrackFrame + totalFrames(); }
    // The track that plays at an absolute frame; the end counts to the last track.
    int trackAt(DWORD frame) const;
};

// One line per track with its length as mm:ss:ff or mm:ss; blank lines and
// lines starting with ";" are passed over. A text with no track, a line
// "no disc", any line that does not read (a length of 0 included), more than
// 99 tracks, or an end at 100 minutes or later (with the two seconds before
// the first track) give no disc.
Disc ParseDisc(const std::string& text);

// The disc described by the file that the environment variable
// FILETOOLS_VCD_DISC names (one process's own disc, as a test wants it),
// else by the file that the driver's registry value names; no disc when
// neither names a readable description.
Disc LoadDisc();

}  // namespace vcd
