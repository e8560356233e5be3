#include "quoddle/player_pictures.h"

namespace quoddle {
namespace {

constexpr COLORREF kInk = RGB(0, 0, 0);

// A point of a 20 x 20 design grid, at the picture's size.
POINT At(int size, int x, int y) { return {x * size / 20, y * size / 20}; }

void Face(HDC dc, int size) {
    const COLORREF face = GetSysColor(COLOR_BTNFACE);
    rt::DrawBox(dc, 0, 0, size, size, face, face);
}

void Arrow(HDC dc, int size, bool up) {
    const POINT upward[] = {At(size, 2, 15), At(size, 10, 4), At(size, 18, 15)};
    const POINT downward[] = {At(size, 2, 5), At(size, 18, 5), At(size, 10, 16)};
    rt::DrawPolygon(dc, up ? upward : downward, 3, kInk, kInk);
}

}  // namespace

void DrawPlay(HDC dc, int size) {
    Face(dc, size);
    const POINT p[] = {At(size, 6, 4), At(size, 16, 10), At(size, 6, 16)};
    rt::DrawPolygon(dc, p, 3, kInk, kInk);
}

void DrawPause(HDC dc, int size) {
    Face(dc, size);
    rt::DrawBox(dc, At(size, 5, 4).x, At(size, 5, 4).y, At(size, 9, 16).x, At(size, 9, 16).y, kInk, kInk);
    rt::DrawBox(dc, At(size, 11, 4).x, At(size, 11, 4).y, At(size, 15, 16).x, At(size, 15, 16).y, kInk, kInk);
}

void DrawStop(HDC dc, int size) {
    Face(dc, size);
    rt::DrawBox(dc, At(size, 5, 5).x, At(size, 5, 5).y, At(size, 15, 15).x, At(size, 15, 15).y, kInk, kInk);
}

void DrawDisc(HDC dc, int size) {
    const COLORREF rim = RGB(64, 64, 96);
    rt::DrawEllipse(dc, 0, 0, size, size, RGB(192, 192, 208), rim);
    rt::DrawEllipse(dc, size / 5, size / 5, size - size / 5, size - size / 5, RGB(160, 176, 224), RGB(160, 176, 224));
    rt::DrawEllipse(dc, size * 2 / 5, size * 2 / 5, size - size * 2 / 5, size - size * 2 / 5, RGB(255, 255, 255), rim);
}

HBITMAP MakeArrowPicture(bool up, int size) {
    HDC screen = GetDC(nullptr);
    HDC dc = CreateCompatibleDC(screen);
    HBITMAP bitmap = CreateCompatibleBitmap(screen, size, size);
    ReleaseDC(nullptr, screen);
    if (dc && bitmap) {
        HGDIOBJ old = SelectObject(dc, bitmap);
        Face(dc, size);
        Arrow(dc, size, up);
        SelectObject(dc, old);
    }
    if (dc) DeleteDC(dc);
    return bitmap;
}

}  // namespace quoddle
