#pragma once
// The picture of rename's own action button.
#include "rt/drawing.h"

namespace renamer {

void DrawRename(HDC dc, const rt::Ink& k);

}  // namespace renamer
