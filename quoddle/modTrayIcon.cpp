#include "quoddle/modTrayIcon.h"

#include <cmath>

namespace modTrayIcon {

#ifndef _WIN64
static_assert(sizeof(rt::TrayIconData) == 88, "the icon record of the 32-bit build");
#endif

rt::TrayIcon TrayIconData;

namespace {

HICON OwnIcon(HWND owner) {
    for (const WPARAM kind : {ICON_SMALL, ICON_BIG}) {
        if (HICON icon = reinterpret_cast<HICON>(SendMessageA(owner, WM_GETICON, kind, 0))) return icon;
    }
    return reinterpret_cast<HICON>(GetClassLongPtrA(owner, GCLP_HICON));
}

}  // namespace

void SetupTrayIcon(HWND owner, const std::string& tip) {
    TrayIconData.Setup(owner, OwnIcon(owner), tip, WM_MOUSEMOVE, 1);
}

// The shell's failures are passed over.
void AddTrayIcon() { TrayIconData.Add(); }

void RemoveTrayIcon() { TrayIconData.Delete(); }

TrayMouse DecodeTrayMouse(double x) {
    // The message number times 15 twips a pixel, in its low 8 bits.
    switch (std::llround(x) & 0xFF) {
    case 60: return TrayMouse::ShowMenu;    // WM_RBUTTONDOWN
    case 15: return TrayMouse::ShowPlayer;  // WM_LBUTTONDOWN
    default: return TrayMouse::Nothing;
    }
}

}  // namespace modTrayIcon
