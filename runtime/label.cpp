#include "rt/label.h"

#include "rt/screen.h"

namespace rt {

namespace {
// A label's or frame's tab index only orders it; it never takes the focus.
HWND NoTabStop(HWND hwnd) {
    if (hwnd) SetWindowLongA(hwnd, GWL_STYLE, GetWindowLongA(hwnd, GWL_STYLE) & ~WS_TABSTOP);
    return hwnd;
}
}  // namespace

HWND Label::Create(HWND parent, const RECT& rect, int id) {
    return NoTabStop(CreateChild("STATIC", SS_LEFT, 0, parent, rect, id, design_.caption));
}

void Label::OnCreated() { FitToText(); }

void Label::SetCaption(const std::string& text) {
    Control::SetCaption(text);
    FitToText();
}

void Label::FitToText() {
    if (!autoSize_ || !hwnd_) return;
    // Measured on a memory DC: a visible window's own DC costs a trip to the
    // window system, and the count label is refitted on every added row.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    std::string text = design_.caption.empty() ? " " : design_.caption;
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    Move(design_.left, design_.top, PixelsToTwipsX(r.right), PixelsToTwipsY(r.bottom));
}

HWND Frame::Create(HWND parent, const RECT& rect, int id) {
    // Without a caption the frame is only its etched edge: a separator line.
    if (design_.caption.empty()) return NoTabStop(CreateChild("STATIC", SS_ETCHEDFRAME, 0, parent, rect, id));
    // A group box paints only its edge and caption, and the controls placed
    // in it are its siblings: the form paints its inside (transparent, so the
    // form's clipping leaves it out), and it never paints over those controls.
    return NoTabStop(CreateChild("BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_TRANSPARENT, parent, rect, id,
                                 design_.caption));
}

}  // namespace rt
