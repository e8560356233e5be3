#include "rt/combobox.h"

#include "rt/screen.h"

namespace rt {

HWND ComboBox::Create(HWND parent, const RECT& rect, int id) {
    RECT r = rect;
    r.bottom = r.top + TwipsToPixelsY(design_.height) + 200;  // room for the drop-down list
    return CreateChild("COMBOBOX", CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL, 0, parent, r, id);
}

void ComboBox::OnCreated() {
    for (const std::string& item : items_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index_ >= 0) SendMessageA(hwnd_, CB_SETCURSEL, index_, 0);
}

int ComboBox::ListIndex() const { return index_; }

void ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount() || index == index_) return;
    index_ = index;
    if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, index_, 0);
    if (Click) Click();
}

std::string ComboBox::Text() const {
    if (hwnd_) return WindowText(hwnd_);
    return index_ >= 0 ? items_[index_] : design_.caption;
}

void ComboBox::SetText(const std::string& text) {
    design_.caption = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
}

void ComboBox::OnCommand(int code) {
    if (code == CBN_EDITCHANGE) index_ = -1;  // typed text is no item
    if (code != CBN_SELCHANGE) return;
    int sel = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= ListCount()) return;
    // The edit field follows only after this notification; make Text the
    // chosen item already for the Click handler.
    SetWindowTextA(hwnd_, items_[sel].c_str());
    index_ = sel;
    if (Click) Click();
}

}  // namespace rt
