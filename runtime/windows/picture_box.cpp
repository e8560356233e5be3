#include "rt/picture_box.h"

#include "rt/form.h"
#include "window_class.h"

namespace rt {
namespace {

constexpr char kPictureBoxClass[] = "FileToolsPictureBox";

}  // namespace

PictureBox::~PictureBox() {
    if (brush_) DeleteObject(brush_);
}

HWND PictureBox::Create(HWND parent, const RECT& rect, int id) {
    RegisterWindowClass(kPictureBoxClass, 0, nullptr);
    // Its controls take part in the form's tab order; it paints beneath them
    // so that transparent labels show its colour.
    DWORD ex = WS_EX_CONTROLPARENT | (style_.border ? WS_EX_CLIENTEDGE : 0);
    return CreateChild(kPictureBoxClass, WS_CLIPSIBLINGS, ex, parent, rect, id);
}

void PictureBox::OnCreated() {
    Subclass();
    SetBrush();
}

void PictureBox::SetBrush() {
    if (brush_) DeleteObject(brush_);
    brush_ = CreateSolidBrush(backColor_);
}

void PictureBox::SetBackColor(COLORREF color) {
    if (color == backColor_) return;
    backColor_ = color;
    if (!hwnd_) return;
    SetBrush();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

LRESULT PictureBox::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_ERASEBKGND: {
        RECT client;
        GetClientRect(hwnd_, &client);
        FillRect(reinterpret_cast<HDC>(wp), &client, brush_);
        return TRUE;
    }
    case WM_LBUTTONDOWN:
        click_.Press(hwnd_);
        return 0;
    case WM_LBUTTONUP:
        if (click_.Release(hwnd_, lp) && Click) {
            auto handler = Click;  // the handler may unload the form
            handler();
        }
        return 0;
    case WM_CAPTURECHANGED:
        click_.Cancel();
        break;
    // What the controls inside report goes to the form, as if they sat on it.
    case WM_COMMAND:
    case WM_NOTIFY:
    case WM_DRAWITEM:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORSCROLLBAR:
        if (form_ && form_->hwnd()) return SendMessageA(form_->hwnd(), msg, wp, lp);
        break;
    case WM_NCDESTROY:
        // The window goes with its form: the next load starts from the design.
        backColor_ = style_.backColor;
        click_.Cancel();
        break;
    }
    return CallBase(msg, wp, lp);
}

}  // namespace rt
