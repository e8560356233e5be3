#include "rt/image.h"

#include <cmath>

#include "rt/mouse.h"
#include "rt/parent_background.h"
#include "rt/screen.h"
#include "window_class.h"

namespace rt {
namespace {

constexpr char kImageClass[] = "FileToolsImage";
// Sent to itself once the form's controls are all made.
constexpr UINT kLieBeneathMessage = WM_USER;

int ToPixelsX(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelX())); }
int ToPixelsY(float twips) { return static_cast<int>(std::lround(twips / TwipsPerPixelY())); }

}  // namespace

HWND Image::Create(HWND parent, const RECT& rect, int id) {
    RegisterWindowClass(kImageClass, CS_DBLCLKS, nullptr);
    return CreateChild(kImageClass, WS_CLIPSIBLINGS, style_.border ? WS_EX_CLIENTEDGE : 0, parent, rect, id);
}

void Image::OnCreated() {
    Subclass();
    // A picture lies beneath the other controls, as if drawn on the form;
    // the controls made after it would lie below it, so it moves down once
    // they are all made, before anything is painted.
    PostMessageA(hwnd_, kLieBeneathMessage, 0, 0);
    left_ = static_cast<float>(design_.left);
    top_ = static_cast<float>(design_.top);
    width_ = static_cast<float>(design_.width);
    height_ = static_cast<float>(design_.height);
    if (!stretch_) FitToPicture();
    Place();
}

void Image::ResetToDesign() {
    picture_ = Picture();
    stretch_ = style_.stretch;
    click_.Cancel();
}

bool Image::LoadPicture(const std::string& path) {
    Picture loaded = Picture::Load(path);
    if (!loaded.IsLoaded()) return false;
    SetPicture(std::move(loaded));
    return true;
}

void Image::SetPicture(Picture picture) {
    picture_ = std::move(picture);
    if (!hwnd_) return;
    if (!stretch_) FitToPicture();
    Place();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void Image::SetPicture(HBITMAP bitmap) { SetPicture(Picture::FromBitmap(bitmap)); }

void Image::SetStretch(bool on) {
    if (stretch_ == on) return;
    stretch_ = on;
    if (!hwnd_) return;
    if (!stretch_) FitToPicture();
    Place();
    InvalidateRect(hwnd_, nullptr, TRUE);
}

// Without stretching the control takes the picture's natural size and its
// border; an empty control keeps its size.
void Image::FitToPicture() {
    if (!picture_.IsLoaded()) return;
    float border = 0, borderDown = 0;
    if (hwnd_) {
        RECT frame{0, 0, 0, 0};
        AdjustWindowRectEx(&frame, static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_STYLE)), FALSE,
                           static_cast<DWORD>(GetWindowLongPtrA(hwnd_, GWL_EXSTYLE)));
        border = static_cast<float>((frame.right - frame.left) * TwipsPerPixelX());
        borderDown = static_cast<float>((frame.bottom - frame.top) * TwipsPerPixelY());
    }
    width_ = picture_.WidthTwips() + border;
    height_ = picture_.HeightTwips() + borderDown;
}

void Image::Place() {
    design_.left = static_cast<int>(std::lround(left_));
    design_.top = static_cast<int>(std::lround(top_));
    design_.width = static_cast<int>(std::lround(width_));
    design_.height = static_cast<int>(std::lround(height_));
    if (!hwnd_) return;
    // Frames between the control and its parent window add their offsets.
    POINT origin = OriginInParent(design_);
    float left = left_ + static_cast<float>(origin.x - design_.left);
    float top = top_ + static_cast<float>(origin.y - design_.top);
    // What lies over the picture, where it was and where it goes, shows the change.
    RepaintControlsAbove(hwnd_);
    SetWindowPos(hwnd_, nullptr, ToPixelsX(left), ToPixelsY(top), ToPixelsX(width_), ToPixelsY(height_),
                 SWP_NOZORDER | SWP_NOACTIVATE);
    RepaintControlsAbove(hwnd_);
}

void Image::SetLeft(float twips) { Move(twips, top_, width_, height_); }
void Image::SetTop(float twips) { Move(left_, twips, width_, height_); }
bool Image::SetWidth(float twips) { return Move(left_, top_, twips, height_); }
bool Image::SetHeight(float twips) { return Move(left_, top_, width_, twips); }

bool Image::Move(float left, float top, float width, float height) {
    if (width < 0 || height < 0) return false;
    left_ = left;
    top_ = top;
    width_ = width;
    height_ = height;
    Place();
    if (hwnd_ && stretch_) InvalidateRect(hwnd_, nullptr, TRUE);
    return true;
}

void Image::Paint(HDC dc) {
    RECT client;
    GetClientRect(hwnd_, &client);
    if (picture_.IsLoaded()) {
        RECT dest = client;
        if (!stretch_) {
            SIZE natural = picture_.SizePixels();
            dest.right = natural.cx;
            dest.bottom = natural.cy;
        }
        picture_.Draw(dc, dest);
    }
}

LRESULT Image::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    MouseEvent press;
    if (MouseEventFrom(msg, wp, lp, press) && press.action == MouseAction::Down) {
        if (press.button == 1) click_.Press(hwnd_);
        if (MouseDown) {
            auto handler = MouseDown;  // the handler may unload the form
            handler(press.button, press.shift, press.x, press.y);
        }
        return 0;
    }
    switch (msg) {
    case WM_ERASEBKGND:
        PaintParentBackground(hwnd_, reinterpret_cast<HDC>(wp));
        return TRUE;
    case WM_PAINT: {
        PAINTSTRUCT ps;
        HDC dc = BeginPaint(hwnd_, &ps);
        Paint(dc);
        EndPaint(hwnd_, &ps);
        return 0;
    }
    case kLieBeneathMessage:
        SetWindowPos(hwnd_, HWND_BOTTOM, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
        return 0;
    case WM_PRINTCLIENT: {
        HDC dc = reinterpret_cast<HDC>(wp);
        if (lp & PRF_ERASEBKGND) PaintParentBackground(hwnd_, dc);
        Paint(dc);
        return 0;
    }
    case WM_LBUTTONUP:
        if (click_.Release(hwnd_, lp) && Click) {
            auto handler = Click;
            handler();
        }
        return 0;
    case WM_LBUTTONDBLCLK:
        if (DblClick) {
            auto handler = DblClick;
            handler();
        }
        return 0;
    case WM_CAPTURECHANGED:
        click_.Cancel();
        break;
    case WM_NCDESTROY:
        // The window goes with its form: the next load starts from the design.
        ResetToDesign();
        break;
    }
    return CallBase(msg, wp, lp);
}

}  // namespace rt
