#pragma once
// Our own small pictures, drawn in code: the means for the programs' toolbar
// pictures and window icons (the pictures themselves belong to each program).
#include <windows.h>
#include <commctrl.h>

namespace rt {

// The colours a toolbar picture is drawn in: normal (muted) or hot (under the mouse).
struct Ink {
    COLORREF ink;
    COLORREF paper;
    COLORREF accent;
};

// Draws one toolbar picture into a cell of kToolPictureSize pixels at (0, 0).
using ToolPicture = void (*)(HDC dc, const Ink& ink);
constexpr int kToolPictureSize = 20;

// Draws a window icon of size x size pixels at (0, 0) on white.
using IconPicture = void (*)(HDC dc, int size);

// The image lists every toolbar draws from (normal or hot); a picture is
// added at its first use and keeps its index. They belong to the runtime.
HIMAGELIST ToolbarImages(bool hot);
int ToolbarImageIndex(ToolPicture picture);

// The icon a picture makes at that size (16 or 32), made once and kept.
HICON IconFor(IconPicture picture, int size);

// Drawing helpers: a filled rectangle, a filled polygon, a line, an ellipse.
void DrawBox(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF line);
void DrawPolygon(HDC dc, const POINT* points, int count, COLORREF fill, COLORREF line);
void DrawLine(HDC dc, int x1, int y1, int x2, int y2, COLORREF color, int width = 2);
void DrawEllipse(HDC dc, int left, int top, int right, int bottom, COLORREF fill, COLORREF line);

}  // namespace rt
