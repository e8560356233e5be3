#pragma once
// The pictures of lumatra's own buttons.
#include "rt/drawing.h"

namespace lumatra {

void DrawSettings(HDC dc, const rt::Ink& k);
void DrawSlideShow(HDC dc, const rt::Ink& k);

}  // namespace lumatra
