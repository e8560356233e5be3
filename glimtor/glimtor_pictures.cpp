#include "glimtor/glimtor_pictures.h"

#include <initializer_list>

namespace glimtor {
namespace {

constexpr COLORREF kSky = RGB(120, 170, 230);
constexpr COLORREF kHill = RGB(40, 140, 60);
constexpr COLORREF kRed = RGB(200, 30, 30);

// A small framed landscape: the picture the commands act on.
void Landscape(HDC dc, const rt::Ink& k, int left, int top, int right, int bottom) {
    rt::DrawBox(dc, left, top, right, bottom, kSky, k.ink);
    const POINT hill[] = {{left + 1, bottom - 1}, {(left + right) / 2, (top + bottom) / 2}, {right - 1, bottom - 1}};
    rt::DrawPolygon(dc, hill, 3, kHill, kHill);
}

}  // namespace

void DrawOpen(HDC dc, const rt::Ink& k) {
    Landscape(dc, k, 2, 6, 14, 17);
    rt::DrawLine(dc, 11, 3, 18, 3, k.accent);
    rt::DrawLine(dc, 18, 3, 18, 10, k.accent);
}

void DrawFullSize(HDC dc, const rt::Ink& k) {
    Landscape(dc, k, 4, 4, 16, 16);
    for (int c : {1, 18}) {
        rt::DrawLine(dc, c, 1, c, 5, k.accent);
        rt::DrawLine(dc, c, 14, c, 18, k.accent);
    }
}

void DrawRename(HDC dc, const rt::Ink& k) {
    Landscape(dc, k, 2, 2, 12, 11);
    rt::DrawBox(dc, 3, 13, 19, 19, k.paper, k.ink);
    rt::DrawLine(dc, 6, 16, 15, 16, k.accent);
}

void DrawDelete(HDC dc, const rt::Ink& k) {
    Landscape(dc, k, 2, 3, 15, 15);
    rt::DrawLine(dc, 9, 9, 18, 18, kRed, 3);
    rt::DrawLine(dc, 18, 9, 9, 18, kRed, 3);
}

void DrawPreviewIcon(HDC dc, int size) {
    const int u = size / 16;
    rt::DrawBox(dc, 1 * u, 2 * u, 15 * u, 14 * u, kSky, RGB(60, 40, 20));
    const POINT hill[] = {{2 * u, 13 * u}, {7 * u, 7 * u}, {14 * u, 13 * u}};
    rt::DrawPolygon(dc, hill, 3, kHill, kHill);
    rt::DrawEllipse(dc, 10 * u, 4 * u, 13 * u, 7 * u, RGB(250, 220, 60), RGB(250, 220, 60));
}

}  // namespace glimtor
