#pragma once
// glimtor's toolbar pictures and window icon (a framed landscape).
#include "rt/drawing.h"

namespace glimtor {

void DrawOpen(HDC dc, const rt::Ink& k);
void DrawFullSize(HDC dc, const rt::Ink& k);
void DrawRename(HDC dc, const rt::Ink& k);
void DrawDelete(HDC dc, const rt::Ink& k);

void DrawPreviewIcon(HDC dc, int size);

}  // namespace glimtor
