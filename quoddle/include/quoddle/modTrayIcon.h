#pragma once
// The program's icon in the taskbar's notification area. The shell sends the
// icon's mouse messages to the owning window as WM_MOUSEMOVE, with the mouse
// message's number in place of the x coordinate.
#include <windows.h>

#include <string>

#include "rt/tray_icon.h"

namespace modTrayIcon {

// The icon and its record (88 bytes in the 32-bit build).
extern rt::TrayIcon TrayIconData;

// Fills the record for the owner window: its own icon, identifier 1, the
// callback WM_MOUSEMOVE, and the tip (cut to fit its field with its NUL).
void SetupTrayIcon(HWND owner, const std::string& tip);
void AddTrayIcon();
void RemoveTrayIcon();

// What a mouse message on the icon asks for, from the x the owner's mouse
// handler sees (the message number in twips).
enum class TrayMouse { Nothing, ShowMenu, ShowPlayer };
TrayMouse DecodeTrayMouse(double x);

}  // namespace modTrayIcon
