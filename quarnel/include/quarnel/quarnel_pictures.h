#pragma once
// The picture of quarnel's own action button.
#include "rt/drawing.h"

namespace quarnel {

void DrawAttrib(HDC dc, const rt::Ink& k);

}  // namespace quarnel
