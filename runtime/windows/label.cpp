#include "rt/label.h"

#include "rt/parent_background.h"
#include "rt/screen.h"

namespace rt {

namespace {
// A label's or frame's tab index only orders it; it never takes the focus.
HWND NoTabStop(HWND hwnd) {
    if (hwnd) SetWindowLongPtrA(hwnd, GWL_STYLE, GetWindowLongPtrA(hwnd, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_TABSTOP));
    return hwnd;
}

// A label is drawn in memory, what lies beneath and its text, and copied to
// the screen in one piece, so that a new caption never flickers. Without
// the memory it is drawn straight onto the screen.
class Offscreen {
public:
    Offscreen(HDC target, const RECT& client)
        : target_(target), width_(client.right), height_(client.bottom), dc_(CreateCompatibleDC(target)),
          bitmap_(dc_ ? CreateCompatibleBitmap(target, width_, height_) : nullptr),
          old_(bitmap_ ? SelectObject(dc_, bitmap_) : nullptr) {}
    ~Offscreen() {
        if (bitmap_) {
            BitBlt(target_, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
            SelectObject(dc_, old_);
            DeleteObject(bitmap_);
        }
        if (dc_) DeleteDC(dc_);
    }
    Offscreen(const Offscreen&) = delete;
    Offscreen& operator=(const Offscreen&) = delete;

    HDC dc() const { return bitmap_ ? dc_ : target_; }

private:
    HDC target_;
    int width_, height_;
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

}  // namespace

HWND Label::Create(HWND parent, const RECT& rect, int id) {
    return NoTabStop(CreateChild("STATIC", SS_LEFT, 0, parent, rect, id, design_.caption));
}

void Label::OnCreated() {
    Subclass();
    FitToText();
}

void Label::SetCaption(const std::string& text) {
    Control::SetCaption(text);
    FitToText();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

void Label::SetForeColor(COLORREF color) {
    if (color == options_.foreColor) return;
    options_.foreColor = color;
    if (hwnd_) InvalidateRect(hwnd_, nullptr, FALSE);
}

// The label paints itself, so that it can show its own colour and let its
// container show through.
LRESULT Label::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: return 1;
    // Only kept: the platform's label would paint the new text at once in
    // its own box, which flashes before this one paints.
    case WM_SETTEXT: return DefWindowProcA(hwnd_, msg, wp, lp);
    case WM_PRINTCLIENT: Paint(reinterpret_cast<HDC>(wp)); return 0;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        Paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case WM_ENABLE: InvalidateRect(hwnd_, nullptr, FALSE); break;
    }
    return CallBase(msg, wp, lp);
}

void Label::Paint(HDC target) {
    RECT r;
    GetClientRect(hwnd_, &r);
    Offscreen buffer(target, r);
    HDC dc = buffer.dc();
    HWND parent = GetParent(hwnd_);
    // The parent's answer sets the text and background colours it wants.
    auto brush = reinterpret_cast<HBRUSH>(
        SendMessageA(parent, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(hwnd_)));
    if (options_.transparent) {
        PaintWhatLiesBeneath(hwnd_, dc);
    } else {
        FillRect(dc, &r, brush ? brush : GetSysColorBrush(COLOR_BTNFACE));
    }
    SetBkMode(dc, TRANSPARENT);
    if (!IsWindowEnabled(hwnd_)) {
        SetTextColor(dc, GetSysColor(COLOR_GRAYTEXT));
    } else if (options_.foreColor != kSystemTextColor) {
        SetTextColor(dc, options_.foreColor);
    }
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    std::string text = WindowText(hwnd_);
    DrawTextA(dc, text.c_str(), -1, &r, DT_LEFT | DT_WORDBREAK | DT_EXPANDTABS);
    SelectObject(dc, old);
}

void Label::FitToText() {
    if (!options_.autoSize || !hwnd_) return;
    // Measured on a memory DC: a visible window's own DC costs a trip to the
    // window system, and a label may be refitted many times in a loop.
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ old = SelectObject(dc, reinterpret_cast<HFONT>(SendMessageA(hwnd_, WM_GETFONT, 0, 0)));
    RECT r{0, 0, 0, 0};
    std::string text = design_.caption.empty() ? " " : design_.caption;
    DrawTextA(dc, text.c_str(), -1, &r, DT_CALCRECT | DT_SINGLELINE);
    SelectObject(dc, old);
    DeleteDC(dc);
    // Where it no longer lies, the platform has what lies there paint again.
    Move(design_.left, design_.top, PixelsToTwipsX(r.right), PixelsToTwipsY(r.bottom));
}

HWND Frame::Create(HWND parent, const RECT& rect, int id) {
    // Without a caption the frame is only its etched edge: a separator line.
    // It paints no inside either, so it is transparent for the form to paint.
    if (design_.caption.empty())
        return NoTabStop(CreateChild("STATIC", SS_ETCHEDFRAME, WS_EX_TRANSPARENT, parent, rect, id));
    // A group box paints only its edge and caption, and the controls placed
    // in it are its siblings: the form paints its inside (transparent, so the
    // form's clipping leaves it out), and it never paints over those controls.
    return NoTabStop(CreateChild("BUTTON", BS_GROUPBOX | WS_CLIPSIBLINGS, WS_EX_TRANSPARENT, parent, rect, id,
                                 design_.caption));
}

}  // namespace rt
