#include "rt/listbox.h"

namespace rt {

HWND ListBox::Create(HWND parent, const RECT& rect, int id) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL | WS_BORDER;
    if (selection_ == ListSelection::MultiToggle) style |= LBS_MULTIPLESEL;
    return CreateChild("LISTBOX", style, WS_EX_CLIENTEDGE, parent, rect, id);
}

void ListBox::OnCreated() {
    for (const std::string& item : items_) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    if (selection_ == ListSelection::MultiToggle) {
        for (size_t i = 0; i < selected_.size(); ++i) {
            if (selected_[i]) SendMessageA(hwnd_, LB_SETSEL, TRUE, static_cast<LPARAM>(i));
        }
        if (index_ >= 0) SendMessageA(hwnd_, LB_SETCARETINDEX, index_, FALSE);
    } else if (index_ >= 0) {
        SendMessageA(hwnd_, LB_SETCURSEL, index_, 0);
    }
}

std::string ListBox::List(int index) const {
    return index >= 0 && index < ListCount() ? items_[index] : std::string();
}

void ListBox::AddItem(const std::string& text) {
    items_.push_back(text);
    selected_.push_back(false);
    if (hwnd_) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

bool ListBox::RemoveItem(int index) {
    if (index < 0 || index >= ListCount()) return false;
    items_.erase(items_.begin() + index);
    selected_.erase(selected_.begin() + index);
    if (hwnd_) SendMessageA(hwnd_, LB_DELETESTRING, index, 0);
    // The current item goes with its row; later rows move up.
    if (index_ == index) index_ = -1;
    else if (index_ > index) --index_;
    return true;
}

void ListBox::Clear() {
    items_.clear();
    selected_.clear();
    index_ = -1;
    if (hwnd_) SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
}

bool ListBox::Selected(int index) const { return index >= 0 && index < ListCount() && selected_[index]; }

int ListBox::SelCount() const {
    int n = 0;
    for (bool s : selected_) n += s ? 1 : 0;
    return n;
}

bool ListBox::SetSelected(int index, bool on) {
    if (index < 0 || index >= ListCount()) return false;
    if (selection_ == ListSelection::Single) {
        // One selected item: selecting makes it current, deselecting leaves none.
        if (on) return SetListIndex(index);
        if (index == index_) return SetListIndex(-1);
        return true;
    }
    if (selected_[index] == on) return true;
    selected_[index] = on;
    index_ = index;
    if (hwnd_) {
        SendMessageA(hwnd_, LB_SETSEL, on, index);
        SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
    }
    if (Click) Click();
    return true;
}

bool ListBox::SetListIndex(int index) {
    if (index < -1 || index >= ListCount()) return false;
    if (index == index_) return true;
    index_ = index;
    if (selection_ == ListSelection::Single) {
        selected_.assign(items_.size(), false);
        if (index >= 0) selected_[index] = true;
        if (hwnd_) SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
    } else if (hwnd_ && index >= 0) {
        SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
    }
    if (Click) Click();
    return true;
}

std::string ListBox::Text() const { return List(index_); }

void ListBox::ReadSelectionFromWindow() {
    for (int i = 0; i < ListCount(); ++i) selected_[i] = SendMessageA(hwnd_, LB_GETSEL, i, 0) > 0;
    index_ = static_cast<int>(SendMessageA(hwnd_, selection_ == ListSelection::Single ? LB_GETCURSEL : LB_GETCARETINDEX, 0, 0));
    if (index_ >= ListCount()) index_ = -1;
}

void ListBox::OnCommand(int code) {
    if (code != LBN_SELCHANGE) return;
    std::vector<bool> before = selected_;
    int indexBefore = index_;
    ReadSelectionFromWindow();
    if ((selected_ != before || index_ != indexBefore) && Click) Click();
}

}  // namespace rt
