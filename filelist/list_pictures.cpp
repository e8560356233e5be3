#include "filelist/list_pictures.h"

namespace filelist {
namespace {

constexpr COLORREF kRed = RGB(200, 30, 30);
constexpr COLORREF kGreen = RGB(20, 140, 40);

void Plus(HDC dc, COLORREF c, int x, int y) {
    rt::DrawLine(dc, x - 3, y, x + 4, y, c);
    rt::DrawLine(dc, x, y - 3, x, y + 4, c);
}

void Minus(HDC dc, COLORREF c, int x, int y) { rt::DrawLine(dc, x - 3, y, x + 4, y, c); }

}  // namespace

void DrawFolder(HDC dc, const rt::Ink& k, int dx, int dy) {
    rt::DrawBox(dc, 2 + dx, 5 + dy, 9 + dx, 8 + dy, k.accent, k.ink);
    rt::DrawBox(dc, 2 + dx, 7 + dy, 17 + dx, 16 + dy, k.accent, k.ink);
}

void DrawPage(HDC dc, const rt::Ink& k, int left, int top) {
    rt::DrawBox(dc, left, top, left + 10, top + 13, k.paper, k.ink);
    for (int y = top + 3; y < top + 11; y += 3) rt::DrawLine(dc, left + 2, y, left + 8, y, k.ink, 1);
}

void DrawBrowse(HDC dc, const rt::Ink& k) { DrawFolder(dc, k); }

void DrawInput(HDC dc, const rt::Ink& k) {
    rt::DrawBox(dc, 1, 6, 19, 14, k.paper, k.ink);
    rt::DrawLine(dc, 4, 8, 4, 12, k.ink, 1);
    rt::DrawLine(dc, 7, 10, 15, 10, k.accent);
}

void DrawAddAll(HDC dc, const rt::Ink& k) {
    DrawPage(dc, k, 2, 2);
    DrawPage(dc, k, 5, 5);
    Plus(dc, k.accent, 15, 15);
}

void DrawAdd(HDC dc, const rt::Ink& k) {
    DrawPage(dc, k, 3, 3);
    Plus(dc, k.accent, 15, 15);
}

void DrawRecurse(HDC dc, const rt::Ink& k) {
    DrawFolder(dc, k, 0, -3);
    rt::DrawLine(dc, 5, 14, 5, 18, k.ink, 1);
    rt::DrawLine(dc, 5, 18, 10, 18, k.ink, 1);
    rt::DrawBox(dc, 10, 15, 17, 20, k.accent, k.ink);
}

void DrawRemoveAll(HDC dc, const rt::Ink& k) {
    DrawPage(dc, k, 2, 2);
    DrawPage(dc, k, 5, 5);
    Minus(dc, kRed, 15, 15);
}

void DrawRemove(HDC dc, const rt::Ink& k) {
    DrawPage(dc, k, 3, 3);
    Minus(dc, kRed, 15, 15);
}

void DrawLoad(HDC dc, const rt::Ink& k) {
    DrawFolder(dc, k);
    rt::DrawLine(dc, 10, 3, 14, 0, k.ink, 1);
}

void DrawSave(HDC dc, const rt::Ink& k) {
    rt::DrawBox(dc, 3, 3, 17, 17, k.accent, k.ink);
    rt::DrawBox(dc, 6, 3, 14, 8, k.paper, k.ink);
    rt::DrawBox(dc, 6, 11, 14, 17, k.paper, k.ink);
}

void DrawHelp(HDC dc, const rt::Ink& k) {
    rt::DrawEllipse(dc, 2, 2, 18, 18, k.accent, RGB(0, 0, 0));
    rt::DrawLine(dc, 8, 7, 12, 7, k.paper);
    rt::DrawLine(dc, 12, 7, 10, 11, k.paper);
    rt::DrawLine(dc, 10, 13, 10, 15, k.paper);
}

void DrawCancel(HDC dc, const rt::Ink&) {
    rt::DrawLine(dc, 5, 5, 15, 15, kRed, 3);
    rt::DrawLine(dc, 15, 5, 5, 15, kRed, 3);
}

void DrawApply(HDC dc, const rt::Ink&) {
    rt::DrawLine(dc, 4, 10, 8, 15, kGreen, 3);
    rt::DrawLine(dc, 8, 15, 16, 5, kGreen, 3);
}

void DrawListIcon(HDC dc, int size) {
    int u = size / 16;
    rt::DrawBox(dc, 1 * u, 3 * u, 7 * u, 6 * u, RGB(230, 190, 80), RGB(90, 60, 10));
    rt::DrawBox(dc, 1 * u, 5 * u, 15 * u, 15 * u, RGB(240, 200, 90), RGB(90, 60, 10));
    for (int y = 8; y <= 12; y += 2) rt::DrawLine(dc, 4 * u, y * u, 12 * u, y * u, RGB(0, 0, 128), u);
}

}  // namespace filelist
