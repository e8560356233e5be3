#pragma once
// The command layer for the CD device: the drive's audio CD opened as type
// cdaudio under the alias cd, driven by MCI command strings alone. It keeps no
// state and shows nothing; the device works in tmsf format except inside the
// skips. Only CloseAll, OpenCD and InitCD hand back the MCI code (0 = success).
#include <string>

namespace modMCI32Api {

long InitCD();  // close all, open, tmsf format: 0 or the first failing code
long CloseAll();
long OpenCD();
void SetTimeFormatTMSF();
void SetTimeFormatMilliseconds();

void PlayCD();
void PauseCD();
void StopCD();  // pause, then rest at the start of the current track
void OpenDoor();
void CloseDoor();
void SeekTrack(short track);
void PlayTrack(short track);

bool IsMediaPresent();
bool IsPlaying();
short GetNumTracks();
// Lengths as mm:ss:ff, or mm:ss in short form.
std::string GetCDLength(bool shortForm);
std::string GetTrackLength(short track, bool shortForm);
// The position as tt:mm:ss:ff; track, minutes and seconds are set from it
// where its parts read as numbers.
std::string GetPosition(short& track, short& minutes, short& seconds);

// Skips by milliseconds from the current position, unclamped.
void SkipForward(short milliseconds);
void SkipBack(short milliseconds);
void GoToPosition(short track, short minutes, short seconds);
void ExitCD(bool stop, bool eject);

}  // namespace modMCI32Api
