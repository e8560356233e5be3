#pragma once
// The default-player switch: the shell's play commands for audio discs and
// ".cda" track files under HKEY_CLASSES_ROOT name either this program or the
// system's own CD player.
#include <string>

namespace defaultPlayer {

extern const char* const kAudioCDCommandKey;  // AudioCD\shell\play\command
extern const char* const kTrackCommandKey;    // cdafile\shell\play\command

// The folder of the system's CD player: the system folder on the NT line,
// the Windows folder on the others.
std::string SystemPlayerFolder();
// Both the system's "cdplayer.exe" and the program's own file exist.
bool CanSwitch();
// Writes the program's two commands (ours) or the system player's; write
// failures are passed over.
void WriteCommands(bool ours);
// Both commands name the program's file (letter case aside).
bool IsDefaultPlayer();

}  // namespace defaultPlayer
