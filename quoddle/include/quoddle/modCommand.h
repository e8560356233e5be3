#pragma once
// The player's options and start: the flags that the player window and the
// tray form share, their settings, the start procedure and the command line.
#include <string>

namespace quoddle::modCommand {

// Shared flags; check-box values 0 or 1, taken from the boxes unchanged.
extern bool bolMainOpen;        // the player window is open
extern short intSaveSettings;   // 1: save the settings at the end, else delete them
extern short intContinuousPlay; // 1: after the last track, play again from track 1
extern short intStopOnExit;     // 1: stop the disc on exit
extern short intEjectOnExit;    // 1: stop the disc and open the door on exit
extern short intTrayIcon;       // 1: tray mode (see TrayMode)
extern long lngColorCode;       // text colour of the display, 0x00BBGGRR
extern long lngFormHeight;      // the player window's designed outer height, twips

// Tray mode: the flag equal to 1, as a check box's tick is tested. The start,
// the player window's close and its tray box all ask this, so a stored value
// other than 0 or 1 is window mode from start to exit, never a closed window
// without a tray icon.
bool TrayMode();

// The settings store's section of the player.
extern const char* const kSettingsSection;

// The defaults, then, only when "Remember" is exactly "Yes", the stored
// flags, each converted to a 16-bit integer ("ColorCode" to a 32-bit one);
// a value that does not convert keeps its default.
void LoadSettings();
void SaveSettings();

// What a command line asks for: the whole disc, one track, or nothing.
struct CommandLineRequest {
    enum class Kind { Nothing, PlayDisc, PlayTrack } kind = Kind::Nothing;
    short track = 0;
};
// "/PLAY" anywhere (any case) plays the disc; otherwise a line ending in
// "CDA" plays the track whose number is the two characters after its first
// "TRACK" ("3." in "Track3.cda"). Two characters that are no track number
// (1 or more) play nothing.
CommandLineRequest ReadCommandLine(const std::string& commandLine);

// Shows the player window when it is not open, then acts on the program's
// command line (the second form: on this one).
void ProcessCommandLine();
void ProcessCommandLine(const std::string& commandLine);

// Counts the CD-ROM drives C to Z; tells the user when there is none (false:
// the program must end) and warns about several when the command line is
// empty. The first form looks at the program's own command line.
bool FindCDROMs();
bool FindCDROMs(const std::string& commandLine);
// The drive-type word FindCDROMs asks for each letter ("C:"); tests put a
// set of drives of their own in its place (nullptr: the platform's again).
using DriveTypeFunction = std::string (*)(const std::string& drive);
DriveTypeFunction SetDriveTypeFunction(DriveTypeFunction function);

// True when another instance of the program runs; this process holds the
// instance mark from its first call on.
bool AnotherInstanceRuns();

// Ends the program at once, no window's unload running; tests put a
// recorder in its place (nullptr: the real end again).
void EndProgram();
using EndFunction = void (*)();
EndFunction SetEndFunction(EndFunction function);

// The start procedure. False: the program ends at once; true: it lives on
// in the message loop until a window ends it.
bool Main();

}  // namespace quoddle::modCommand
