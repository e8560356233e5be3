#include "lumatra/lumatra_pictures.h"

#include <initializer_list>

namespace lumatra {

// Three sliders.
void DrawSettings(HDC dc, const rt::Ink& k) {
    for (int y : {5, 10, 15}) rt::DrawLine(dc, 4, y, 16, y, k.ink);
    rt::DrawBox(dc, 6, 3, 9, 8, k.accent, k.ink);
    rt::DrawBox(dc, 11, 8, 14, 13, k.accent, k.ink);
    rt::DrawBox(dc, 7, 13, 10, 18, k.accent, k.ink);
}

// A screen on a stand with a play sign.
void DrawSlideShow(HDC dc, const rt::Ink& k) {
    rt::DrawBox(dc, 2, 3, 18, 15, k.paper, k.ink);
    const POINT play[3] = {{8, 6}, {8, 12}, {13, 9}};
    rt::DrawPolygon(dc, play, 3, k.accent, k.ink);
    rt::DrawLine(dc, 10, 15, 10, 18, k.ink);
}

}  // namespace lumatra
