#pragma once
// For controls that draw themselves over their parent: the parent's
// background (and what it paints of its own) behind a child.
#include <windows.h>

namespace rt {

// Paints what the parent shows behind child into the child's dc.
void PaintParentBackground(HWND child, HDC dc);

}  // namespace rt
