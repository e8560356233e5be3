#include "rt/form.h"

#include "rt/screen.h"

namespace rt {

namespace {
RECT OuterRect(HWND h) {
    RECT r{};
    if (h) GetWindowRect(h, &r);
    return r;
}
}  // namespace

int Form::Left() const { return PixelsToTwipsX(OuterRect(hwnd_).left); }
int Form::Top() const { return PixelsToTwipsY(OuterRect(hwnd_).top); }
int Form::Width() const {
    RECT r = OuterRect(hwnd_);
    return PixelsToTwipsX(r.right - r.left);
}
int Form::Height() const {
    RECT r = OuterRect(hwnd_);
    return PixelsToTwipsY(r.bottom - r.top);
}

void Form::Move(int left, int top, int width, int height) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::SetWidth(int twips) {
    if (twips < 0) return false;
    Move(Left(), Top(), twips, Height());
    return true;
}

bool Form::SetHeight(int twips) {
    if (twips < 0) return false;
    Move(Left(), Top(), Width(), twips);
    return true;
}

int Form::ScaleWidth() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return hwnd_ ? PixelsToTwipsX(r.right) : design_.clientWidth;
}

int Form::ScaleHeight() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return hwnd_ ? PixelsToTwipsY(r.bottom) : design_.clientHeight;
}

WindowState Form::WindowState() const {
    if (!hwnd_ || stateOnShow_) return design_.windowState;
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(rt::WindowState state) {
    // A form not shown, or hidden, takes the state when it is shown.
    if (!hwnd_ || !IsWindowVisible(hwnd_)) {
        design_.windowState = state;
        stateOnShow_ = true;
        return;
    }
    if (state == WindowState()) return;
    ShowWindow(hwnd_, state == WindowState::Minimized   ? SW_MINIMIZE
                      : state == WindowState::Maximized ? SW_MAXIMIZE
                                                        : SW_RESTORE);
}

COLORREF Form::BackColor() const {
    return design_.backColor == kSystemFaceColor ? GetSysColor(COLOR_BTNFACE) : design_.backColor;
}

void Form::SetBackColor(COLORREF color) {
    if (color == design_.backColor) return;
    design_.backColor = color;
    ReleaseBackBrush();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::ReleaseBackBrush() {
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = nullptr;
}

HICON Form::Icon(int size) const { return IconFor(design_.icon, size); }

std::string Form::Caption() const { return hwnd_ ? WindowText(hwnd_) : design_.caption; }

void Form::SetCaption(const std::string& caption) {
    design_.caption = caption;
    if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

}  // namespace rt
