#pragma once
// The player's own pictures, drawn in code: the transport buttons' symbols,
// the shrink and enlarge arrows, and the window icon (a disc).
#include <windows.h>

#include "rt/drawing.h"

namespace quoddle {

// Icon pictures (rt::IconFor makes and keeps the icons).
void DrawPlay(HDC dc, int size);
void DrawPause(HDC dc, int size);
void DrawStop(HDC dc, int size);
void DrawDisc(HDC dc, int size);

// An arrow of size pixels on the face colour, up or down; the caller owns it.
HBITMAP MakeArrowPicture(bool up, int size);

}  // namespace quoddle
