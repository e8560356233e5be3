#include "quoddle/player_pictures.h"

namespace quoddle {
namespace {

class MemoryCanvas {
public:
    explicit MemoryCanvas(int size) : size_(size) {
        HDC screen = GetDC(nullptr);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, size, size);
        ReleaseDC(nullptr, screen);
        old_ = SelectObject(dc_, bitmap_);
    }
    ~MemoryCanvas() {
        if (bitmap_) SelectObject(dc_, old_);
        DeleteDC(dc_);
        if (bitmap_) DeleteObject(bitmap_);
    }
    MemoryCanvas(const MemoryCanvas&) = delete;
    MemoryCanvas& operator=(const MemoryCanvas&) = delete;

    HDC dc() const { return dc_; }
    int size() const { return size_; }
    void Fill(COLORREF colour) const {
        RECT all{0, 0, size_, size_};
        HBRUSH brush = CreateSolidBrush(colour);
        FillRect(dc_, &all, brush);
        DeleteObject(brush);
    }
    void Shape(const POINT* points, int count, COLORREF colour) const {
        HBRUSH brush = CreateSolidBrush(colour);
        HPEN pen = CreatePen(PS_SOLID, 1, colour);
        HGDIOBJ ob = SelectObject(dc_, brush), op = SelectObject(dc_, pen);
        Polygon(dc_, points, count);
        SelectObject(dc_, ob);
        SelectObject(dc_, op);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    void Circle(int left, int top, int right, int bottom, COLORREF fill, COLORREF line) const {
        HBRUSH brush = CreateSolidBrush(fill);
        HPEN pen = CreatePen(PS_SOLID, 1, line);
        HGDIOBJ ob = SelectObject(dc_, brush), op = SelectObject(dc_, pen);
        Ellipse(dc_, left, top, right, bottom);
        SelectObject(dc_, ob);
        SelectObject(dc_, op);
        DeleteObject(brush);
        DeleteObject(pen);
    }
    // Hands the bitmap over, no longer selected into the canvas.
    HBITMAP Take() {
        SelectObject(dc_, old_);
        HBITMAP taken = bitmap_;
        bitmap_ = nullptr;
        return taken;
    }

private:
    int size_;
    HDC dc_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HGDIOBJ old_ = nullptr;
};

POINT At(int size, int x, int y) { return {x * size / 20, y * size / 20}; }

void DrawSymbol(const MemoryCanvas& c, PlayerPicture which, COLORREF ink) {
    const int s = c.size();
    switch (which) {
    case PlayerPicture::Play: {
        const POINT p[] = {At(s, 6, 4), At(s, 16, 10), At(s, 6, 16)};
        c.Shape(p, 3, ink);
        break;
    }
    case PlayerPicture::Pause: {
        const POINT left[] = {At(s, 5, 4), At(s, 9, 4), At(s, 9, 16), At(s, 5, 16)};
        const POINT right[] = {At(s, 11, 4), At(s, 15, 4), At(s, 15, 16), At(s, 11, 16)};
        c.Shape(left, 4, ink);
        c.Shape(right, 4, ink);
        break;
    }
    case PlayerPicture::Stop: {
        const POINT p[] = {At(s, 5, 5), At(s, 15, 5), At(s, 15, 15), At(s, 5, 15)};
        c.Shape(p, 4, ink);
        break;
    }
    case PlayerPicture::Up: {
        const POINT p[] = {At(s, 2, 15), At(s, 10, 4), At(s, 18, 15)};
        c.Shape(p, 3, ink);
        break;
    }
    case PlayerPicture::Down: {
        const POINT p[] = {At(s, 2, 5), At(s, 18, 5), At(s, 10, 16)};
        c.Shape(p, 3, ink);
        break;
    }
    }
}

// A disc: silver with a hole, on a transparent square.
HICON MakeDiscIcon(int size) {
    MemoryCanvas colour(size), mask(size);
    colour.Fill(RGB(0, 0, 0));
    colour.Circle(0, 0, size, size, RGB(192, 192, 208), RGB(64, 64, 96));
    colour.Circle(size / 5, size / 5, size - size / 5, size - size / 5, RGB(160, 176, 224), RGB(160, 176, 224));
    colour.Circle(size * 2 / 5, size * 2 / 5, size - size * 2 / 5, size - size * 2 / 5, RGB(0, 0, 0),
                  RGB(64, 64, 96));
    mask.Fill(RGB(255, 255, 255));
    mask.Circle(0, 0, size, size, RGB(0, 0, 0), RGB(0, 0, 0));
    mask.Circle(size * 2 / 5 + 1, size * 2 / 5 + 1, size - size * 2 / 5 - 1, size - size * 2 / 5 - 1,
                RGB(255, 255, 255), RGB(255, 255, 255));
    ICONINFO info{};
    info.fIcon = TRUE;
    HBITMAP colourBitmap = colour.Take(), maskBitmap = mask.Take();
    info.hbmColor = colourBitmap;
    info.hbmMask = maskBitmap;
    HICON icon = CreateIconIndirect(&info);
    DeleteObject(colourBitmap);
    DeleteObject(maskBitmap);
    return icon;
}

}  // namespace

HBITMAP MakePlayerPicture(PlayerPicture which, int size) {
    MemoryCanvas canvas(size);
    canvas.Fill(GetSysColor(COLOR_BTNFACE));
    DrawSymbol(canvas, which, RGB(0, 0, 0));
    return canvas.Take();
}

HICON PlayerIcon(int size) {
    static HICON small = MakeDiscIcon(16);
    static HICON large = MakeDiscIcon(32);
    return size <= 16 ? small : large;
}

}  // namespace quoddle
