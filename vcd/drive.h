#pragma once
// The virtual drive: its door, the disc in it, and a head that moves with the
// clock while it plays. One drive serves every open of the device in a process.
#include <windows.h>

#include "disc.h"

namespace vcd {

class Drive {
public:
    // A fresh look at the drive: door closed, the described disc in it,
    // stopped at the start of its first track.
    void Reset();

    bool discIn() const { return !doorOpen_ && disc_.present(); }
    const Disc& disc() const { return disc_; }
    UINT mode();            // MCI_MODE_*
    DWORD position();       // absolute frame now
    int currentTrack() { return disc_.trackAt(position()); }

    // Commands; each returns 0 or an MCI error code.
    DWORD play(bool hasFrom, DWORD from, bool hasTo, DWORD to);
    DWORD pause();
    DWORD stop();
    DWORD seek(DWORD frame);
    void openDoor();
    void closeDoor();

private:
    enum class Motion { Stopped, Playing, Paused };

    Disc disc_;
    bool doorOpen_ = false;
    Motion motion_ = Motion::Stopped;
    DWORD frame_ = kFirstTrackFrame;  // where the head is, or was when play started
    DWORD playEnd_ = kFirstTrackFrame;
    DWORD playStartTick_ = 0;
};

Drive& TheDrive();

}  // namespace vcd
