#pragma once
// The icon of a window in the taskbar's notification area.
#include <windows.h>

#include <string>

namespace rt {

// The platform's notification-icon record in its first layout (the shell's
// oldest and smallest form: 88 bytes in a 32-bit program).
struct TrayIconData {
    DWORD cbSize;
    HWND hWnd;
    UINT uID;
    UINT uFlags;
    UINT uCallbackMessage;
    HICON hIcon;
    CHAR szTip[64];
};

// One notification-area icon. The shell sends the icon's mouse messages to
// the owner as callbackMessage (wParam the id, lParam the mouse message);
// the owning form takes them in its message hook or mouse events.
class TrayIcon {
public:
    TrayIcon() = default;
    // Removes the icon when it is still shown.
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Fills the record: owner, id, message + icon + tip flags, callback
    // message, icon, and the tip cut to 63 characters, NUL-ended and
    // blank-filled after the NUL.
    void Setup(HWND owner, HICON icon, const std::string& tip, UINT callbackMessage = WM_MOUSEMOVE, UINT id = 1);
    const TrayIconData& Data() const { return data_; }
    // The shell's answers; a failure changes nothing.
    bool Add();
    bool Delete();
    bool Shown() const { return shown_; }

private:
    TrayIconData data_{};
    bool shown_ = false;
};

}  // namespace rt
