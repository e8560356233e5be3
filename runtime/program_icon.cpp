#include "rt/program_icon.h"

#include <cmath>

namespace rt {
namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

// Each picture is a few shapes in a 20 x 20 grid, drawn in one ink colour
// with a paper colour for fills.
struct Ink {
    COLORREF ink;
    COLORREF paper;
    COLORREF accent;
};

void Box(HDC dc, int l, int t, int r, int b, COLORREF fill, COLORREF line) {
    HBRUSH br = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, line);
    HGDIOBJ ob = SelectObject(dc, br), op = SelectObject(dc, pen);
    Rectangle(dc, l, t, r, b);
    SelectObject(dc, ob);
    SelectObject(dc, op);
    DeleteObject(br);
    DeleteObject(pen);
}

void Poly(HDC dc, const POINT* pts, int n, COLORREF fill, COLORREF line) {
    HBRUSH br = CreateSolidBrush(fill);
    HPEN pen = CreatePen(PS_SOLID, 1, line);
    HGDIOBJ ob = SelectObject(dc, br), op = SelectObject(dc, pen);
    Polygon(dc, pts, n);
    SelectObject(dc, ob);
    SelectObject(dc, op);
    DeleteObject(br);
    DeleteObject(pen);
}

void Line(HDC dc, int x1, int y1, int x2, int y2, COLORREF c, int width = 2) {
    HPEN pen = CreatePen(PS_SOLID, width, c);
    HGDIOBJ op = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, op);
    DeleteObject(pen);
}

void Folder(HDC dc, const Ink& k, int dx = 0, int dy = 0) {
    Box(dc, 2 + dx, 5 + dy, 9 + dx, 8 + dy, k.accent, k.ink);
    Box(dc, 2 + dx, 7 + dy, 17 + dx, 16 + dy, k.accent, k.ink);
}

void Page(HDC dc, const Ink& k, int l, int t) {
    Box(dc, l, t, l + 10, t + 13, k.paper, k.ink);
    for (int y = t + 3; y < t + 11; y += 3) Line(dc, l + 2, y, l + 8, y, k.ink, 1);
}

void Plus(HDC dc, COLORREF c, int x, int y) {
    Line(dc, x - 3, y, x + 4, y, c);
    Line(dc, x, y - 3, x, y + 4, c);
}

void Minus(HDC dc, COLORREF c, int x, int y) { Line(dc, x - 3, y, x + 4, y, c); }

void Arrow(HDC dc, const Ink& k, bool down) {
    POINT p[7];
    if (down) {
        POINT d[7] = {{8, 2}, {12, 2}, {12, 9}, {16, 9}, {10, 16}, {4, 9}, {8, 9}};
        std::copy(d, d + 7, p);
    } else {
        POINT u[7] = {{8, 17}, {12, 17}, {12, 10}, {16, 10}, {10, 3}, {4, 10}, {8, 10}};
        std::copy(u, u + 7, p);
    }
    Poly(dc, p, 7, k.accent, k.ink);
}

void Draw(HDC dc, Picture pic, const Ink& k) {
    switch (pic) {
    case Picture::Browse:
        Folder(dc, k);
        break;
    case Picture::Input:
        Box(dc, 1, 6, 19, 14, k.paper, k.ink);
        Line(dc, 4, 8, 4, 12, k.ink, 1);
        Line(dc, 7, 10, 15, 10, k.accent);
        break;
    case Picture::AddAll:
        Page(dc, k, 2, 2);
        Page(dc, k, 5, 5);
        Plus(dc, k.accent, 15, 15);
        break;
    case Picture::Add:
        Page(dc, k, 3, 3);
        Plus(dc, k.accent, 15, 15);
        break;
    case Picture::Recurse:
        Folder(dc, k, 0, -3);
        Line(dc, 5, 14, 5, 18, k.ink, 1);
        Line(dc, 5, 18, 10, 18, k.ink, 1);
        Box(dc, 10, 15, 17, 20, k.accent, k.ink);
        break;
    case Picture::RemoveAll:
        Page(dc, k, 2, 2);
        Page(dc, k, 5, 5);
        Minus(dc, RGB(200, 30, 30), 15, 15);
        break;
    case Picture::Remove:
        Page(dc, k, 3, 3);
        Minus(dc, RGB(200, 30, 30), 15, 15);
        break;
    case Picture::Load:
        Folder(dc, k);
        Line(dc, 10, 3, 14, 0, k.ink, 1);
        break;
    case Picture::Save:
        Box(dc, 3, 3, 17, 17, k.accent, k.ink);
        Box(dc, 6, 3, 14, 8, k.paper, k.ink);
        Box(dc, 6, 11, 14, 17, k.paper, k.ink);
        break;
    case Picture::Help: {
        HBRUSH br = CreateSolidBrush(k.accent);
        HGDIOBJ ob = SelectObject(dc, br);
        Ellipse(dc, 2, 2, 18, 18);
        SelectObject(dc, ob);
        DeleteObject(br);
        Line(dc, 8, 7, 12, 7, k.paper);
        Line(dc, 12, 7, 10, 11, k.paper);
        Line(dc, 10, 13, 10, 15, k.paper);
        break;
    }
    case Picture::Attrib:
        Page(dc, k, 3, 3);
        Box(dc, 11, 11, 18, 18, k.accent, k.ink);
        Line(dc, 12, 14, 14, 16, k.paper, 1);
        Line(dc, 14, 16, 17, 12, k.paper, 1);
        break;
    case Picture::Rename:
        Page(dc, k, 2, 3);
        Line(dc, 10, 17, 18, 9, k.accent, 3);
        break;
    case Picture::Settings:
        Line(dc, 4, 5, 16, 5, k.ink);
        Line(dc, 4, 10, 16, 10, k.ink);
        Line(dc, 4, 15, 16, 15, k.ink);
        Box(dc, 6, 3, 9, 8, k.accent, k.ink);
        Box(dc, 11, 8, 14, 13, k.accent, k.ink);
        Box(dc, 7, 13, 10, 18, k.accent, k.ink);
        break;
    case Picture::SlideShow: {
        Box(dc, 2, 3, 18, 15, k.paper, k.ink);
        POINT p[3] = {{8, 6}, {8, 12}, {13, 9}};
        Poly(dc, p, 3, k.accent, k.ink);
        Line(dc, 10, 15, 10, 18, k.ink);
        break;
    }
    case Picture::Cancel:
        Line(dc, 5, 5, 15, 15, RGB(200, 30, 30), 3);
        Line(dc, 15, 5, 5, 15, RGB(200, 30, 30), 3);
        break;
    case Picture::Apply:
        Line(dc, 4, 10, 8, 15, RGB(20, 140, 40), 3);
        Line(dc, 8, 15, 16, 5, RGB(20, 140, 40), 3);
        break;
    case Picture::Open:
        Arrow(dc, k, false);
        break;
    case Picture::Properties:
        Page(dc, k, 4, 3);
        Box(dc, 12, 12, 16, 16, k.accent, k.ink);
        break;
    case Picture::Delete:
        Arrow(dc, k, true);
        break;
    case Picture::Count:
        break;
    }
}

HBITMAP MakeStrip(bool hot) {
    const int n = static_cast<int>(Picture::Count);
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kPictureSize * n;
    bi.bmiHeader.biHeight = kPictureSize;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, kPictureSize * n, kPictureSize};
    HBRUSH mask = CreateSolidBrush(kMask);
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    Ink ink = hot ? Ink{RGB(0, 0, 96), RGB(255, 255, 255), RGB(255, 200, 40)}
                  : Ink{RGB(64, 64, 64), RGB(240, 240, 240), RGB(200, 180, 120)};
    for (int i = 0; i < n; ++i) {
        SetViewportOrgEx(dc, i * kPictureSize, 0, nullptr);
        Draw(dc, static_cast<Picture>(i), ink);
    }
    SetViewportOrgEx(dc, 0, 0, nullptr);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bmp;
}

HIMAGELIST MakeImages(bool hot) {
    HIMAGELIST list = ImageList_Create(kPictureSize, kPictureSize, ILC_COLOR24 | ILC_MASK,
                                       static_cast<int>(Picture::Count), 0);
    HBITMAP strip = MakeStrip(hot);
    ImageList_AddMasked(list, strip, kMask);
    DeleteObject(strip);
    return list;
}

HICON MakeIcon(int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HGDIOBJ old = SelectObject(dc, mask);
    PatBlt(dc, 0, 0, size, size, BLACKNESS);  // opaque everywhere
    SelectObject(dc, color);
    RECT r{0, 0, size, size};
    FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
    int u = size / 16;
    Box(dc, 1 * u, 3 * u, 7 * u, 6 * u, RGB(230, 190, 80), RGB(90, 60, 10));
    Box(dc, 1 * u, 5 * u, 15 * u, 15 * u, RGB(240, 200, 90), RGB(90, 60, 10));
    for (int y = 8; y <= 12; y += 2) Line(dc, 4 * u, y * u, 12 * u, y * u, RGB(0, 0, 128), u);
    SelectObject(dc, old);
    DeleteDC(dc);
    ICONINFO ii{TRUE, 0, 0, mask, color};
    HICON icon = CreateIconIndirect(&ii);
    DeleteObject(color);
    DeleteObject(mask);
    return icon;
}

}  // namespace

HICON ProgramIcon(int size) {
    static HICON small = MakeIcon(16), big = MakeIcon(32);
    return size <= 16 ? small : big;
}

HIMAGELIST ToolbarImages(bool hot) {
    static HIMAGELIST normal = MakeImages(false), bright = MakeImages(true);
    return hot ? bright : normal;
}

}  // namespace rt
