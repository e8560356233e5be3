#include "rt/tray_icon.h"

#include <shellapi.h>

#include <cstddef>
#include <cstring>

namespace rt {

// The shell reads the record as its own first layout.
static_assert(offsetof(TrayIconData, hWnd) == offsetof(NOTIFYICONDATAA, hWnd));
static_assert(offsetof(TrayIconData, uCallbackMessage) == offsetof(NOTIFYICONDATAA, uCallbackMessage));
static_assert(offsetof(TrayIconData, hIcon) == offsetof(NOTIFYICONDATAA, hIcon));
static_assert(offsetof(TrayIconData, szTip) == offsetof(NOTIFYICONDATAA, szTip));
static_assert(sizeof(TrayIconData) == NOTIFYICONDATAA_V1_SIZE);
#ifndef _WIN64
static_assert(sizeof(TrayIconData) == 88);
#endif

namespace {
BOOL Notify(DWORD message, TrayIconData& data) {
    return Shell_NotifyIconA(message, reinterpret_cast<NOTIFYICONDATAA*>(&data));
}
}  // namespace

TrayIcon::~TrayIcon() { Delete(); }

void TrayIcon::Setup(HWND owner, HICON icon, const std::string& tip, UINT callbackMessage, UINT id) {
    data_ = TrayIconData{};
    data_.cbSize = sizeof data_;
    data_.hWnd = owner;
    data_.uID = id;
    data_.uFlags = NIF_MESSAGE | NIF_ICON | NIF_TIP;
    data_.uCallbackMessage = callbackMessage;
    data_.hIcon = icon;
    // A tip that fills the field would lose its NUL: keep room for it.
    std::memset(data_.szTip, ' ', sizeof data_.szTip);
    const size_t n = tip.size() < sizeof data_.szTip - 1 ? tip.size() : sizeof data_.szTip - 1;
    std::memcpy(data_.szTip, tip.data(), n);
    data_.szTip[n] = '\0';
}

bool TrayIcon::Add() {
    if (!Notify(NIM_ADD, data_)) return false;
    shown_ = true;
    return true;
}

bool TrayIcon::Delete() {
    if (!shown_) return false;
    shown_ = false;
    return Notify(NIM_DELETE, data_) != FALSE;
}

}  // namespace rt
