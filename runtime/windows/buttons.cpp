#include "rt/buttons.h"

namespace rt {

// A button with a picture draws itself: the platform's push button shows
// either a picture or a caption, not both.
HWND CommandButton::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("BUTTON", picture_ ? BS_OWNERDRAW : BS_PUSHBUTTON, 0, parent, rect, id, design_.caption);
}

void CommandButton::SetPicture(HICON picture) {
    if (picture == picture_) return;
    picture_ = picture;
    if (!hwnd_) return;
    SendMessageA(hwnd_, BM_SETSTYLE, picture_ ? BS_OWNERDRAW : BS_PUSHBUTTON, TRUE);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void CommandButton::OnCommand(int code) {
    if (code == BN_CLICKED && Click) Click();
}

bool CommandButton::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (!picture_) return false;
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    const bool pushed = (item.itemState & ODS_SELECTED) != 0;
    const bool disabled = (item.itemState & ODS_DISABLED) != 0;
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));
    const int shift = pushed ? 1 : 0;
    // The picture at its own size, centred above the caption's line.
    ICONINFO info{};
    int iconW = 32, iconH = 32;
    if (GetIconInfo(picture_, &info)) {
        BITMAP bm{};
        if (GetObjectA(info.hbmMask, sizeof bm, &bm)) {
            iconW = bm.bmWidth;
            iconH = info.hbmColor ? bm.bmHeight : bm.bmHeight / 2;
        }
        if (info.hbmMask) DeleteObject(info.hbmMask);
        if (info.hbmColor) DeleteObject(info.hbmColor);
    }
    std::string text = WindowText(hwnd_);
    RECT textRect = r;
    DrawTextA(dc, text.c_str(), -1, &textRect, DT_CALCRECT | DT_SINGLELINE);
    const int textH = text.empty() ? 0 : textRect.bottom - textRect.top;
    const int gap = text.empty() ? 0 : 2;
    int top = r.top + ((r.bottom - r.top) - (iconH + gap + textH)) / 2;
    int left = r.left + ((r.right - r.left) - iconW) / 2;
    DrawState(dc, nullptr, nullptr, reinterpret_cast<LPARAM>(picture_), 0, left + shift, top + shift, iconW, iconH,
              DST_ICON | (disabled ? DSS_DISABLED : DSS_NORMAL));
    if (textH) {
        RECT tr{r.left + shift, top + iconH + gap + shift, r.right + shift, top + iconH + gap + textH + shift};
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
        DrawTextA(dc, text.c_str(), -1, &tr, DT_CENTER | DT_SINGLELINE);
    }
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        InflateRect(&focus, -4, -4);
        DrawFocusRect(dc, &focus);
    }
    return true;
}

HWND CheckBox::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("BUTTON", BS_3STATE, 0, parent, rect, id, design_.caption);
}

void CheckBox::OnCreated() { SendMessageA(hwnd_, BM_SETCHECK, value_, 0); }

void CheckBox::SetValue(int value) {
    if (value == value_) return;
    value_ = value;
    if (hwnd_) SendMessageA(hwnd_, BM_SETCHECK, value_, 0);
    if (Click) Click();
}

void CheckBox::OnCommand(int code) {
    if (code == BN_CLICKED) SetValue(value_ == 1 ? 0 : 1);
}

HWND OptionButton::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("BUTTON", BS_AUTORADIOBUTTON | (firstOfGroup_ ? WS_GROUP : 0), 0, parent, rect, id,
                       design_.caption);
}

void OptionButton::OnCreated() { SendMessageA(hwnd_, BM_SETCHECK, value_ ? BST_CHECKED : BST_UNCHECKED, 0); }

bool OptionButton::Value() const {
    return hwnd_ ? SendMessageA(hwnd_, BM_GETCHECK, 0, 0) == BST_CHECKED : value_;
}

void OptionButton::SetValue(bool on) {
    bool was = Value();
    value_ = on;
    if (hwnd_) {
        if (on) {
            // Clear the rest of the group, as a click would.
            HWND parent = GetParent(hwnd_);
            for (HWND w = GetNextDlgGroupItem(parent, hwnd_, FALSE); w && w != hwnd_;
                 w = GetNextDlgGroupItem(parent, w, FALSE)) {
                SendMessageA(w, BM_SETCHECK, BST_UNCHECKED, 0);
            }
        }
        SendMessageA(hwnd_, BM_SETCHECK, on ? BST_CHECKED : BST_UNCHECKED, 0);
    }
    if (on && !was && Click) Click();
}

void OptionButton::OnCommand(int code) {
    if (code == BN_CLICKED) {
        value_ = true;
        if (Click) Click();
    }
}

}  // namespace rt
