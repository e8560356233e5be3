#include "rt/combobox.h"

#include "rt/screen.h"

namespace rt {

HWND ComboBox::Create(HWND parent, const RECT& rect, int id) {
    RECT r = rect;
    r.bottom = r.top + TwipsToPixelsY(design_.height) + 200;  // room for the drop-down list
    DWORD style = style_ == ComboStyle::DropDownList ? CBS_DROPDOWNLIST : CBS_DROPDOWN | CBS_AUTOHSCROLL;
    return CreateChild("COMBOBOX", style | WS_VSCROLL, 0, parent, r, id);
}

void ComboBox::OnCreated() {
    for (const std::string& item : items_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (index_ >= 0) SendMessageA(hwnd_, CB_SETCURSEL, index_, 0);
}

std::string ComboBox::List(int index) const {
    return index >= 0 && index < ListCount() ? items_[index] : std::string();
}

void ComboBox::AddItem(const std::string& text) {
    items_.push_back(text);
    if (hwnd_) SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

void ComboBox::Clear() {
    items_.clear();
    index_ = -1;
    if (hwnd_) SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
}

int ComboBox::ListIndex() const { return index_; }

bool ComboBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return false;
    if (index == index_) return true;
    index_ = index;
    if (hwnd_) SendMessageA(hwnd_, CB_SETCURSEL, index_, 0);
    if (Click) Click();
    return true;
}

std::string ComboBox::Text() const {
    // A drop-down list's window text follows a choice only after its Click.
    if (style_ == ComboStyle::DropDownList) return List(index_);
    if (hwnd_) return WindowText(hwnd_);
    return index_ >= 0 ? items_[index_] : design_.caption;
}

bool ComboBox::SetText(const std::string& text) {
    if (style_ == ComboStyle::DropDownList) {
        for (int i = 0; i < ListCount(); ++i) {
            if (items_[i] == text) return SetListIndex(i);
        }
        return false;
    }
    design_.caption = text;
    if (hwnd_) SetWindowTextA(hwnd_, text.c_str());
    return true;
}

void ComboBox::OnCommand(int code) {
    if (code == CBN_EDITCHANGE) index_ = -1;  // typed text is no item
    if (code != CBN_SELCHANGE) return;
    int sel = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= ListCount()) return;
    // The edit field follows only after this notification; make Text the
    // chosen item already for the Click handler.
    if (style_ == ComboStyle::DropDown) SetWindowTextA(hwnd_, items_[sel].c_str());
    index_ = sel;
    if (Click) Click();
}

}  // namespace rt
