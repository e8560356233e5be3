#include "rt/parent_background.h"

namespace rt {

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    POINT old;
    SetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

}  // namespace rt
