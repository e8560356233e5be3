// The player window's buttons: transport, track selector, volume, door and
// the shrink and enlarge arrows.
#include <windows.h>

#include "quoddle/frmQuoddle.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "quoddle/modWin32Api.h"
#include "quoddle/track_number.h"

namespace quoddle {

using namespace modMCI32Api;

namespace {

// Starts a program in a normal window and does not wait; a missing program
// shows nothing.
void StartProgram(std::string commandLine) {
    STARTUPINFOA start{};
    start.cb = sizeof start;
    start.dwFlags = STARTF_USESHOWWINDOW;
    start.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, NORMAL_PRIORITY_CLASS, nullptr,
                        nullptr, &start, &process))
        return;
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
}

short CurrentTrack() {
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    return track;
}

// The eleven controls below the separator, which the shrunk window hides.
constexpr int kShrunkHeight = 2205;

}  // namespace

void frmQuoddle::btnPlay_Click() {
    PlayCD();
    UpdateStatus();
    btnPause.SetFocus();
}

void frmQuoddle::btnPause_Click() {
    bolPaused = true;
    PauseCD();
    UpdateStatus();
    btnPlay.SetFocus();
}

void frmQuoddle::btnStop_Click() {
    StopCD();
    SeekTrack(1);
    UpdateStatus();
    btnPlay.SetFocus();
}

void frmQuoddle::btnPreviousTrack_Click() {
    const short target = PreviousTrack(CurrentTrack(), PlayListSelection());
    if (target >= 1) PlayTrack(target);
    UpdateStatus();
}

void frmQuoddle::btnRewind_Click() { SkipBack(10000); }

void frmQuoddle::btnFastForward_Click() { SkipForward(10000); }

void frmQuoddle::btnNextTrack_Click() {
    PlayTrack(NextTrack(CurrentTrack(), GetNumTracks()));
    UpdateStatus();
}

void frmQuoddle::cmbTrackNum_Click() {
    if (rebuilding_ || cmbTrackNum.ListCount() == 0) return;
    short track = 0;
    if (!ReadTrackNumber(cmbTrackNum.Text(), track)) return;
    if (IsPlaying())
        PlayTrack(track);
    else
        SeekTrack(track);
}

void frmQuoddle::btnVolume_Click() {
    modWin32Api::RunAndWait("rundll32.exe shell32.dll,Control_RunDLL mmsys.cpl,,3", 1);
    const bool wasPlaying = IsPlaying();
    short track = 0, minutes = 0, seconds = 0;
    GetPosition(track, minutes, seconds);
    // The device is closed and opened again, then put back where it was.
    CloseAll();
    UpdateStatus();
    InitCD();
    UpdateStatus();
    GoToPosition(track, minutes, seconds);
    UpdateStatus();
    if (wasPlaying) btnPlay_Click();
}

void frmQuoddle::btnMix_Click() { StartProgram("sndvol32.exe"); }

void frmQuoddle::btnClose_Click() {
    if (IsPlaying()) return;
    InitCD();
    CloseDoor();
    UpdateStatus();
}

void frmQuoddle::btnEject_Click() {
    StopCD();
    OpenDoor();
    UpdateStatus();
}

void frmQuoddle::btnExit_Click() { Unload(); }

void frmQuoddle::SetOptionTabStops(bool on) {
    for (rt::Control* c : std::initializer_list<rt::Control*>{
             &chkContinuousPlay, &chkStopOnExit, &chkEjectOnExit, &chkTrayIcon, &chkDefaultPlayer, &chkSaveSettings,
             &lstPlayList, &cmbTrackNum, &btnClose, &btnEject, &btnExit})
        c->SetTabStop(on);
}

void frmQuoddle::imgUp_Click() {
    Move(Left(), Top(), Width(), kShrunkHeight);
    SetOptionTabStops(false);
}

void frmQuoddle::imgDown_Click() {
    Move(Left(), Top(), Width(), modCommand::lngFormHeight);
    SetOptionTabStops(true);
}

}  // namespace quoddle
