#pragma once
// The platform's folder picker, open/save dialog and property sheet, each run
// modally over the caller's window. They never show a message: cancel and
// failure come back as "" (or the shell's result code).
#include <windows.h>

#include <optional>
#include <string>

namespace modDialog32 {

// ShowFileDialog modes: 1 is the open dialog, any other value the save dialog.
constexpr int kOpenDialog = 1;
constexpr int kSaveDialog = 2;

// The chosen folder's path as the shell gives it, or "" on cancel or for a
// folder without a file-system path.
std::string BrowseForFolder(HWND owner, const std::string& title);

// filter: description and pattern pairs, each item separated from the next by
// one NUL ("Text Files (*.txt)\0*.txt"), none after the last. defaultExtension
// has no full stop. multiSelect, when given, makes an explorer-style dialog
// (True: several files may be picked; False: the read-only box shows).
// Returns the chosen path; a multiple pick gives the folder, then each file
// name, joined by ",". "" on cancel or failure.
std::string ShowFileDialog(HWND owner, int mode, const std::string& title,
                           const std::string& initialFileName, const std::string& filter,
                           const std::string& initialFolder, const std::string& defaultExtension,
                           std::optional<bool> multiSelect = std::nullopt);

// Opens the shell's property sheet of a file or folder; returns the instance
// result the shell reports (above 32 means success; 2 for a path too long to name).
int ShowFileProperties(HWND owner, const std::string& path);

}  // namespace modDialog32
