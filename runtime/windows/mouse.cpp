#include "rt/mouse.h"

#include <windowsx.h>

#include <cmath>

#include "rt/screen.h"

namespace rt {
namespace {

int ButtonsHeld(WPARAM wp) {
    return ((wp & MK_LBUTTON) ? 1 : 0) | ((wp & MK_RBUTTON) ? 2 : 0) | ((wp & MK_MBUTTON) ? 4 : 0);
}

}  // namespace

bool MouseEventFrom(UINT msg, WPARAM wp, LPARAM lp, MouseEvent& event) {
    switch (msg) {
    case WM_LBUTTONDOWN: event = {MouseAction::Down, 1, 0, 0, 0}; break;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK: event = {MouseAction::Down, 2, 0, 0, 0}; break;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK: event = {MouseAction::Down, 4, 0, 0, 0}; break;
    case WM_LBUTTONUP: event = {MouseAction::Up, 1, 0, 0, 0}; break;
    case WM_RBUTTONUP: event = {MouseAction::Up, 2, 0, 0, 0}; break;
    case WM_MBUTTONUP: event = {MouseAction::Up, 4, 0, 0, 0}; break;
    case WM_MOUSEMOVE: event = {MouseAction::Move, ButtonsHeld(wp), 0, 0, 0}; break;
    default: return false;
    }
    // The key state comes with the message for Shift and Ctrl; Alt only from the keyboard.
    event.shift = ((wp & MK_SHIFT) ? 1 : 0) | ((wp & MK_CONTROL) ? 2 : 0) | (GetKeyState(VK_MENU) < 0 ? 4 : 0);
    event.x = static_cast<float>(GET_X_LPARAM(lp) * TwipsPerPixelX());
    event.y = static_cast<float>(GET_Y_LPARAM(lp) * TwipsPerPixelY());
    return true;
}

void RaiseMouseUp(const std::function<void(int, int, int, int)>& handler, UINT msg, WPARAM wp, LPARAM lp) {
    MouseEvent e;
    if (!handler || !MouseEventFrom(msg, wp, lp, e) || e.action != MouseAction::Up) return;
    handler(e.button, e.shift, static_cast<int>(std::lround(e.x)), static_cast<int>(std::lround(e.y)));
}

}  // namespace rt
