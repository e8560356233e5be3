#include "rt/drawing.h"

#include <map>
#include <utility>

namespace rt {
namespace {

constexpr COLORREF kMask = RGB(255, 0, 255);

// Selects a new pen and brush into dc for one drawing call and deletes them after.
class PenAndBrush {
public:
    PenAndBrush(HDC dc, COLORREF fill, COLORREF line, int width = 1)
        : dc_(dc), brush_(CreateSolidBrush(fill)), pen_(CreatePen(PS_SOLID, width, line)),
          oldBrush_(SelectObject(dc, brush_)), oldPen_(SelectObject(dc, pen_)) {}
    ~PenAndBrush() {
        SelectObject(dc_, oldBrush_);
        SelectObject(dc_, oldPen_);
        DeleteObject(brush_);
        DeleteObject(pen_);
    }
    PenAndBrush(const PenAndBrush&) = delete;
    PenAndBrush& operator=(const PenAndBrush&) = delete;

private:
    HDC dc_;
    HBRUSH brush_;
    HPEN pen_;
    HGDIOBJ oldBrush_;
    HGDIOBJ oldPen_;
};

// One picture in a 24-bit cell on the mask colour, as the image lists take it.
HBITMAP DrawCell(ToolPicture picture, const Ink& ink) {
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = kToolPictureSize;
    bi.bmiHeader.biHeight = kToolPictureSize;
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 24;
    void* bits = nullptr;
    HDC screen = GetDC(nullptr);
    HBITMAP bmp = CreateDIBSection(screen, &bi, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    if (!bmp || !dc) {
        if (dc) DeleteDC(dc);
        if (bmp) DeleteObject(bmp);
        return nullptr;
    }
    HGDIOBJ old = SelectObject(dc, bmp);
    RECT all{0, 0, kToolPictureSize, kToolPictureSize};
    HBRUSH mask = CreateSolidBrush(kMask);
    FillRect(dc, &all, mask);
    DeleteObject(mask);
    picture(dc, ink);
    SelectObject(dc, old);
    DeleteDC(dc);
    return bmp;
}

constexpr Ink kNormalInk{RGB(64, 64, 64), RGB(240, 240, 240), RGB(200, 180, 120)};
constexpr Ink kHotInk{RGB(0, 0, 96), RGB(255, 255, 255), RGB(255, 200, 40)};

struct ToolbarLists {
    HIMAGELIST normal = ImageList_Create(kToolPictureSize, kToolPictureSize, ILC_COLOR24 | ILC_MASK, 16, 16);
    HIMAGELIST hot = ImageList_Create(kToolPictureSize, kToolPictureSize, ILC_COLOR24 | ILC_MASK, 16, 16);
    std::map<ToolPicture, int> indexes;
};

ToolbarLists& Lists() {
    static ToolbarLists lists;
    return lists;
}

bool AddCell(HIMAGELIST list, ToolPicture picture, const Ink& ink) {
    HBITMAP cell = DrawCell(picture, ink);
    if (!cell) return false;
    int at = ImageList_AddMasked(list, cell, kMask);
    DeleteObject(cell);
    return at >= 0;
}

HICON MakeIcon(IconPicture picture, int size) {
    HDC screen = GetDC(nullptr);
    HBITMAP color = CreateCompatibleBitmap(screen, size, size);
    HBITMAP mask = CreateBitmap(size, size, 1, 1, nullptr);
    HDC dc = CreateCompatibleDC(screen);
    ReleaseDC(nullptr, screen);
    HICON icon = nullptr;
    if (color && mask && dc) {
        HGDIOBJ old = SelectObject(dc, mask);
        PatBlt(dc, 0, 0, size, size, BLACKNESS);  // opaque everywhere
        SelectObject(dc, color);
        RECT r{0, 0, size, size};
        FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        picture(dc, size);
        SelectObject(dc, old);
        ICONINFO ii{TRUE, 0, 0, mask, color};
        icon = CreateIconIndirect(&ii);
    }
    if (dc) DeleteDC(dc);
    if (color) DeleteObject(color);
    if (mask) DeleteObject(mask);
    return icon;
}

}  // namespace

HIMAGELIST ToolbarImages(bool hot) { return hot ? Lists().hot : Lists().normal; }

int ToolbarImageIndex(ToolPicture picture) {
    if (!picture) return -1;
    ToolbarLists& lists = Lists();
    auto found = lists.indexes.find(picture);
    if (found != lists.indexes.end()) return found->second;
    int index = ImageList_GetImageCount(lists.normal);
    // Both lists keep one index per picture; a picture that cannot be drawn
    // in both shows none.
    if (!AddCell(lists.normal, picture, kNormalInk)) return -1;
    if (!AddCell(lists.hot, picture, kHotInk)) {
        ImageList_Remove(lists.normal, index);
        return -1;
    }
    lists.indexes.emplace(picture, index);
    return index;
}

HICON IconFor(IconPicture picture, int size) {
    if (!picture) return nullptr;
    static std::map<std::pair<IconPicture, int>, HICON> icons;
    auto key = std::make_pair(picture, size <= 16 ? 16 : 32);
    auto found = icons.find(key);
    if (found != icons.end()) return found->second;
    HICON icon = MakeIcon(picture, key.second);
    if (icon) icons.emplace(key, icon);
    return icon;
}

void DrawBox(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF line) {
    PenAndBrush pb(dc, fill, line);
    Rectangle(dc, left, top, right, bottom);
}

void DrawPolygon(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF line) {
    PenAndBrush pb(dc, fill, line);
    Polygon(dc, points, count);
}

void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width) {
    HPEN pen = CreatePen(PS_SOLID, width, color);
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
}

void DrawEllipse(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF line) {
    PenAndBrush pb(dc, fill, line);
    Ellipse(dc, left, top, right, bottom);
}

}  // namespace rt
