#include "rt/click_tracker.h"

#include <windowsx.h>

namespace rt {

void ClickTracker::Press(HWND hwnd) {
    pressed_ = true;
    SetCapture(hwnd);
}

bool ClickTracker::Release(HWND hwnd, LPARAM lp) {
    if (!pressed_) return false;
    pressed_ = false;
    ReleaseCapture();
    POINT p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
    RECT client;
    GetClientRect(hwnd, &client);
    return PtInRect(&client, p) != FALSE;
}

}  // namespace rt
