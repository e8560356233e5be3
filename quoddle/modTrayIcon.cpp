#include "quoddle/modTrayIcon.h"

#include <cmath>
#include <algorithm>
#include <cstring>

namespace modTrayIcon {

#ifndef _WIN64
static_assert(kTrayIconDataSize == 88, "the icon record of the 32-bit build");
#endif

NOTIFYICONDATAA TrayIconData{};

namespace {

HICON OwnIcon(HWND owner) {
    for (const WPARAM kind : {ICON_SMALL, ICON_BIG}) {
        if (HICON icon = reinterpret_cast<HICON>(SendMessageA(owner, WM_GETICON, kind, 0))) return icon;
    }
    if (HICON icon = reinterpret_cast<HICON>(GetClassLongPtrA(owner, GCLP_HICONSM))) return icon;
    return reinterpret_cast<HICON>(GetClassLongPtrA(owner, GCLP_HICON));
}

}  // namespace

void SetupTrayIcon(HWND owner, const std::string& tip) {
    TrayIconData = NOTIFYICONDATAA{};
    TrayIconData.cbSize = kTrayIconDataSize;
    TrayIconData.hWnd = owner;
    TrayIconData.uID = 1;
    TrayIconData.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    TrayIconData.uCallbackMessage = WM_MOUSEMOVE;
    TrayIconData.hIcon = OwnIcon(owner);
    // Blanks after the NUL, as in a fixed text field; a longer tip is cut so
    // that its NUL still fits, or the shell would read past the field.
    std::memset(TrayIconData.szTip, ' ', kTipField);
    const size_t length = std::min(tip.size(), kTipField - 1);
    std::memcpy(TrayIconData.szTip, tip.data(), length);
    TrayIconData.szTip[length] = '\0';
}

void AddTrayIcon() { Shell_NotifyIconA(NIM_ADD, &TrayIconData); }

void RemoveTrayIcon() { Shell_NotifyIconA(NIM_DELETE, &TrayIconData); }

TrayMouse DecodeTrayMouse(double x) {
    const long long twips = std::llround(x);
    switch (twips & 0xFF) {
    case (WM_RBUTTONDOWN * 15) & 0xFF: return TrayMouse::ShowMenu;
    case (WM_LBUTTONDOWN * 15) & 0xFF: return TrayMouse::ShowPlayer;
    default: return TrayMouse::Nothing;
    }
}

}  // namespace modTrayIcon
