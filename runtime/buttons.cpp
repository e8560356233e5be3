#include "rt/buttons.h"

namespace rt {

HWND CommandButton::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("BUTTON", BS_PUSHBUTTON, 0, parent, rect, id, design_.caption);
}

void CommandButton::OnCommand(int code) {
    if (code == BN_CLICKED && Click) Click();
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
