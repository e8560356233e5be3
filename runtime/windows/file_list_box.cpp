#include "rt/filesystem_lists.h"

#include <unordered_set>

#include "rt/convert.h"
#include "rt/files.h"
#include "rt/mouse.h"
#include "rt/paths.h"
#include "rt/text_compare.h"

namespace rt {

FileListBox::FileListBox(Selection selection) : path_(CurrentFolder()), selection_(selection) {}

HWND FileListBox::Create(HWND parent, const RECT& rect, int id) {
    DWORD style = LBS_NOTIFY | LBS_NOINTEGRALHEIGHT | WS_VSCROLL;
    if (selection_ == Selection::Extended) style |= LBS_EXTENDEDSEL;
    return CreateChild("LISTBOX", style, WS_EX_CLIENTEDGE, parent, rect, id);
}

void FileListBox::OnCreated() {
    Subclass();
    Fill();
}

LRESULT FileListBox::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT r = CallBase(msg, wp, lp);
    RaiseMouseUp(MouseUp, msg, wp, lp);
    return r;
}

void FileListBox::Fill() {
    names_.clear();
    std::unordered_set<std::string> seen;
    std::string base = WithBackslash(path_);
    std::string rest = pattern_;
    // Several patterns, separated by ";", each listed in turn.
    for (;;) {
        size_t semi = rest.find(';');
        std::string piece = rest.substr(0, semi);
        if (!Trim(piece).empty()) {
            for (const DirEntry& e : ListDirectory(base + Trim(piece), hidden_ ? kListHidden : kListNormal)) {
                if (e.attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_SYSTEM)) continue;
                if (seen.insert(UCase(e.name)).second) names_.push_back(e.name);
            }
        }
        if (semi == std::string::npos) break;
        rest = rest.substr(semi + 1);
    }
    SortIgnoringCase(names_);
    Show();
}

void FileListBox::Show() {
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    SendMessageA(hwnd_, LB_INITSTORAGE, names_.size(), names_.size() * 16);
    for (const std::string& n : names_) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(n.c_str()));
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void FileListBox::Refresh() { Fill(); }

Error FileListBox::SetPath(const std::string& path) {
    std::string folder;
    if (Error e = ResolveFolder(path, folder)) return e;
    if (SameIgnoringCase(folder, path_)) {
        path_ = folder;
        return {};
    }
    path_ = folder;
    Fill();
    if (PathChange) PathChange();
    return {};
}

void FileListBox::SetPattern(const std::string& pattern) {
    if (pattern == pattern_) return;
    pattern_ = pattern;
    Fill();
    if (PatternChange) PatternChange();
}

void FileListBox::SetHidden(bool on) {
    if (on == hidden_) return;
    hidden_ = on;
    Fill();
}

bool FileListBox::Selected(int index) const {
    if (!hwnd_ || index < 0 || index >= ListCount()) return false;
    return SendMessageA(hwnd_, LB_GETSEL, index, 0) > 0;
}

void FileListBox::SetSelected(int index, bool on) {
    if (!hwnd_ || index < 0 || index >= ListCount()) return;
    if (selection_ == Selection::Single)
        SendMessageA(hwnd_, LB_SETCURSEL, on ? index : -1, 0);
    else
        SendMessageA(hwnd_, LB_SETSEL, on, index);
}

int FileListBox::ListIndex() const {
    if (!hwnd_ || names_.empty()) return -1;
    if (selection_ == Selection::Single) return static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
    return static_cast<int>(SendMessageA(hwnd_, LB_GETCARETINDEX, 0, 0));
}

void FileListBox::SetListIndex(int index) {
    if (!hwnd_ || index < -1 || index >= ListCount()) return;
    if (selection_ == Selection::Single)
        SendMessageA(hwnd_, LB_SETCURSEL, index, 0);
    else
        SendMessageA(hwnd_, LB_SETCARETINDEX, index, FALSE);
}

void FileListBox::OnCommand(int code) {
    if (code == LBN_SELCHANGE && Click) Click();
    if (code == LBN_DBLCLK && DblClick) DblClick();
}

}  // namespace rt
