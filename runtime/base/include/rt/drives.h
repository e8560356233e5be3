#pragma once
// Drives as the drive list shows them, and the folder each drive keeps as
// its current one.
#include <functional>
#include <string>
#include <vector>

#include "rt/error.h"

namespace rt {

// The letters of the drives present, in lower case, in order.
std::vector<char> DriveLetters();
// "c: [label]" as the drive list shows a drive; the label part only where
// the drive has one (a network drive shows its share name).
std::string DriveDisplayText(char letter);
// The folder that the platform keeps as the drive's current one ("D:\" when
// none). Fails with ERROR_NOT_READY when the drive has no medium, and with
// the platform's error when that folder cannot be reached.
[[nodiscard]] Error DriveCurrentFolder(char letter, std::string& folder);
// Is the drive ready (a medium in it)?
bool DriveReady(char letter);

// The one seam of the drive layer: tests replace how readiness is found out,
// since no drive here can lose its medium. An empty function restores the
// platform's answer.
void SetDriveReadyProbe(std::function<bool(char letter)> probe);

}  // namespace rt
