#include "rt/control.h"

#include <commctrl.h>

#include "rt/callback_guard.h"
#include "rt/form.h"
#include "rt/screen.h"

namespace rt {

std::string WindowText(HWND hwnd) {
    int len = GetWindowTextLengthA(hwnd);
    std::string text(len + 1, '\0');
    int got = GetWindowTextA(hwnd, text.data(), len + 1);
    text.resize(got > 0 ? got : 0);
    return text;
}

Control::~Control() {
    if (!hwnd_) return;
    if (form_) form_->Forget(hwnd_);
    Unsubclass();
    DestroyWindow(hwnd_);
}

// The control is found through the window's user data, which the platform's
// control classes leave to their user: a property lookup on every message
// costs more than many of the messages themselves.
void Control::Subclass() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    baseProc_ = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Control::GuardedProc)));
}

void Control::Unsubclass() {
    if (!baseProc_ || !hwnd_) return;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, 0);
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(baseProc_));
    baseProc_ = nullptr;
}

Control* Control::Subclassed(HWND hwnd) {
    return reinterpret_cast<Control*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

LRESULT CALLBACK Control::GuardedProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    Control* self = Subclassed(hwnd);
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    return GuardedMessage(hwnd, msg, [&] { return self->OnSubclassedMessage(msg, wp, lp); });
}

HWND Control::CreateChild(const char* className, DWORD style, DWORD exStyle, HWND parent, const RECT& rect,
                          int id, const std::string& text) {
    if (design_.tabIndex >= 0) style |= WS_TABSTOP;
    if (design_.visible) style |= WS_VISIBLE;
    if (!design_.enabled) style |= WS_DISABLED;
    return CreateWindowExA(exStyle, className, text.c_str(), style | WS_CHILD, rect.left, rect.top,
                           rect.right - rect.left, rect.bottom - rect.top, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                           nullptr);
}

bool Control::Enabled() const { return hwnd_ ? IsWindowEnabled(hwnd_) != FALSE : design_.enabled; }

void Control::SetEnabled(bool on) {
    design_.enabled = on;
    if (hwnd_) EnableWindow(hwnd_, on);
}

bool Control::Visible() const { return hwnd_ ? IsWindowVisible(hwnd_) != FALSE : design_.visible; }

void Control::SetVisible(bool on) {
    design_.visible = on;
    if (hwnd_) ShowWindow(hwnd_, on ? SW_SHOWNA : SW_HIDE);
}

void Control::SetFocus() {
    if (hwnd_) ::SetFocus(hwnd_);
}

bool Control::HasFocus() const {
    HWND focus = GetFocus();
    return hwnd_ && (focus == hwnd_ || IsChild(hwnd_, focus));
}

POINT Control::OriginInParent(const ControlDesign& d) {
    POINT p{d.left, d.top};
    for (const Control* c = d.container; c && !c->HostsChildren(); c = c->design_.container) {
        p.x += c->design_.left;
        p.y += c->design_.top;
    }
    return p;
}

const Control* Control::Host(const ControlDesign& d) {
    const Control* c = d.container;
    while (c && !c->HostsChildren()) c = c->design_.container;
    return c;
}

void Control::ApplyGeometry() {
    if (!hwnd_) return;
    POINT origin = OriginInParent(design_);
    SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(origin.x), TwipsToPixelsY(origin.y),
                 TwipsToPixelsX(design_.width), TwipsToPixelsY(design_.height), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Control::SetWidth(int twips) { return Move(design_.left, design_.top, twips, design_.height); }

bool Control::SetHeight(int twips) { return Move(design_.left, design_.top, design_.width, twips); }

bool Control::Move(int left, int top, int width, int height) {
    if (width < 0 || height < 0) return false;
    if (left == design_.left && top == design_.top && width == design_.width && height == design_.height) return true;
    design_.left = left;
    design_.top = top;
    design_.width = width;
    design_.height = height;
    ApplyGeometry();
    return true;
}

std::string Control::Caption() const { return hwnd_ ? WindowText(hwnd_) : design_.caption; }

void Control::SetCaption(const std::string& text) {
    design_.caption = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

bool Control::TabStop() const {
    if (!hwnd_) return design_.tabIndex >= 0;
    return (GetWindowLongPtrA(hwnd_, GWL_STYLE) & WS_TABSTOP) != 0;
}

void Control::SetTabStop(bool on) {
    if (!hwnd_) return;
    LONG_PTR style = GetWindowLongPtrA(hwnd_, GWL_STYLE);
    SetWindowLongPtrA(hwnd_, GWL_STYLE, on ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

void Control::SetToolTip(const std::string& text) {
    design_.toolTip = text;
    if (hwnd_ && form_) form_->SetControlToolTip(hwnd_, text);
}

}  // namespace rt
