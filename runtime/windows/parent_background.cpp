#include "rt/parent_background.h"

#include <vector>

#include "saved_dc.h"

namespace rt {
namespace {

// The window's rectangle in its parent's client coordinates.
RECT RectInParent(HWND w) {
    RECT r;
    GetWindowRect(w, &r);
    MapWindowPoints(nullptr, GetParent(w), reinterpret_cast<POINT*>(&r), 2);
    return r;
}

}  // namespace

void PaintParentBackground(HWND child, HDC dc) {
    HWND parent = GetParent(child);
    POINT origin{0, 0};
    MapWindowPoints(child, parent, &origin, 1);
    // Offset, not set: the dc may already be placed for a control above.
    POINT old;
    OffsetViewportOrgEx(dc, -origin.x, -origin.y, &old);
    SendMessageA(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
    SendMessageA(parent, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    SetViewportOrgEx(dc, old.x, old.y, nullptr);
}

void PaintWhatLiesBeneath(HWND child, HDC dc) {
    PaintParentBackground(child, dc);
    RECT own;
    GetClientRect(child, &own);
    std::vector<HWND> beneath;
    for (HWND w = GetWindow(child, GW_HWNDNEXT); w; w = GetWindow(w, GW_HWNDNEXT)) beneath.push_back(w);
    for (auto it = beneath.rbegin(); it != beneath.rend(); ++it) {
        HWND sibling = *it;
        if (!IsWindowVisible(sibling)) continue;
        RECT client;
        GetClientRect(sibling, &client);
        MapWindowPoints(sibling, child, reinterpret_cast<POINT*>(&client), 2);
        RECT shared;
        if (!IntersectRect(&shared, &client, &own)) continue;
        // Each paints only its own part, as it does on the screen.
        SavedDC saved(dc);
        IntersectClipRect(dc, shared.left, shared.top, shared.right, shared.bottom);
        OffsetViewportOrgEx(dc, client.left, client.top, nullptr);
        SendMessageA(sibling, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc), 0);
        SendMessageA(sibling, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), PRF_CLIENT);
    }
}

void RepaintControlsAbove(HWND child) {
    const RECT area = RectInParent(child);
    for (HWND w = GetWindow(child, GW_HWNDPREV); w; w = GetWindow(w, GW_HWNDPREV)) {
        RECT r = RectInParent(w), shared;
        if (IsWindowVisible(w) && IntersectRect(&shared, &r, &area)) InvalidateRect(w, nullptr, FALSE);
    }
}

}  // namespace rt
