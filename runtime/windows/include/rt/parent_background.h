#pragma once
// For controls that draw themselves over their parent: the parent's
// background (and what it paints of its own) behind a child, and the
// controls that lie beneath it.
#include <windows.h>

namespace rt {

// Paints what the parent shows behind child into the child's dc.
void PaintParentBackground(HWND child, HDC dc);

// Paints everything child covers into its dc: the parent's background, then
// the visible controls beneath child in the parent's order that it overlaps,
// the lowest first.
void PaintWhatLiesBeneath(HWND child, HDC dc);

// When what child shows changes: the visible controls above child that it
// overlaps paint again, so that those that let it show through show it as
// it is now.
void RepaintControlsAbove(HWND child);

}  // namespace rt
