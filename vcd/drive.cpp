#include "drive.h"

#include <mmsystem.h>

#include <utility>

namespace vcd {

void Drive::TakeDescribedDisc() {
    if (doorOpen_) return;
    Disc described = LoadDisc();
    if (described.trackFrames != disc_.trackFrames) insert(std::move(described));
}

void Drive::insert(Disc disc) {
    disc_ = std::move(disc);
    motion_ = Motion::Stopped;
    frame_ = kFirstTrackFrame;
}

UINT Drive::mode() {
    if (doorOpen_) return MCI_MODE_OPEN;
    if (!disc_.present()) return MCI_MODE_NOT_READY;
    position();
    switch (motion_) {
    case Motion::Playing: return MCI_MODE_PLAY;
    case Motion::Paused: return MCI_MODE_PAUSE;
    default: return MCI_MODE_STOP;
    }
}

DWORD Drive::position() {
    if (motion_ != Motion::Playing) return frame_;
    const unsigned long long elapsed = GetTickCount() - playStartTick_;
    const unsigned long long now = frame_ + elapsed * kFramesPerSecond / 1000;
    if (now < playEnd_) return static_cast<DWORD>(now);
    // Played to its end: the drive stops there by itself.
    motion_ = Motion::Stopped;
    frame_ = playEnd_;
    return frame_;
}

DWORD Drive::play(bool hasFrom, DWORD from, bool hasTo, DWORD to) {
    if (!discIn()) return MCIERR_DEVICE_NOT_READY;
    const DWORD start = hasFrom ? from : position();
    const DWORD end = hasTo ? to : disc_.end();
    if (end < start) return MCIERR_OUTOFRANGE;
    frame_ = start;
    playEnd_ = end;
    playStartTick_ = GetTickCount();
    motion_ = start < end ? Motion::Playing : Motion::Stopped;
    return 0;
}

DWORD Drive::pause() {
    if (!discIn()) return MCIERR_DEVICE_NOT_READY;
    if (motion_ == Motion::Playing) {
        frame_ = position();
        if (motion_ == Motion::Playing) motion_ = Motion::Paused;
    }
    return 0;
}

DWORD Drive::stop() {
    if (!discIn()) return MCIERR_DEVICE_NOT_READY;
    frame_ = position();
    motion_ = Motion::Stopped;
    return 0;
}

DWORD Drive::seek(DWORD frame) {
    if (!discIn()) return MCIERR_DEVICE_NOT_READY;
    frame_ = frame;
    motion_ = Motion::Stopped;
    return 0;
}

void Drive::openDoor() {
    if (doorOpen_) return;
    // The disc comes out with the tray.
    insert({});
    doorOpen_ = true;
}

void Drive::closeDoor() {
    if (!doorOpen_) return;
    doorOpen_ = false;
    insert(LoadDisc());
}

Drive& TheDrive() {
    static Drive drive;
    return drive;
}

}  // namespace vcd
