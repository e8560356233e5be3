#include "rt/image.h"

namespace rt {

HWND Image::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("STATIC", SS_BITMAP | SS_NOTIFY | SS_REALSIZECONTROL, 0, parent, rect, id);
}

void Image::OnCreated() {
    if (bitmap_) SendMessageA(hwnd_, STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(bitmap_));
    ApplyGeometry();
}

void Image::SetPicture(HBITMAP bitmap) {
    bitmap_ = bitmap;
    if (hwnd_) OnCreated();
}

void Image::OnCommand(int code) {
    if (code == STN_DBLCLK && DblClick) DblClick();
}

}  // namespace rt
