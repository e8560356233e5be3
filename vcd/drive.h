#pragma once
// The virtual drive: its door, the disc in it, and a head that moves with the
// clock while it plays. One drive serves every open of the device in a process.
#include <windows.h>

#include "disc.h"

namespace vcd {

class Drive {
public:
    // What an open of the device finds: with the door closed, the disc the
    // description names. The disc already in keeps its head and motion, as
    // on a real drive; another one (or none) goes in stopped at its start.
    // With the door open the drive stays empty until the door closes.
    void TakeDescribedDisc();

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

    void insert(Disc disc);

    Disc disc_;
    bool doorOpen_ = false;
    Motion motion_ = Motion::Stopped;
    DWORD frame_ = kFirstTrackFrame;  // where the head is, or was when play started
    DWORD playEnd_ = kFirstTrackFrame;
    DWORD playStartTick_ = 0;
};

Drive& TheDrive();

}  // namespace vcd
