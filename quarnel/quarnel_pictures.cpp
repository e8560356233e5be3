#include "quarnel/quarnel_pictures.h"

#include "filelist/list_pictures.h"

namespace quarnel {

// A page with a ticked box.
void DrawAttrib(HDC dc, const rt::Ink& k) {
    filelist::DrawPage(dc, k, 3, 3);
    rt::DrawBox(dc, 11, 11, 18, 18, k.accent, k.ink);
    rt::DrawLine(dc, 12, 14, 14, 16, k.paper, 1);
    rt::DrawLine(dc, 14, 16, 17, 12, k.paper, 1);
}

}  // namespace quarnel
