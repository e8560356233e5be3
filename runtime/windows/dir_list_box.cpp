#include "rt/filesystem_lists.h"

#include "rt/files.h"
#include "rt/mouse.h"
#include "rt/paths.h"
#include "rt/screen.h"
#include "rt/text_compare.h"

namespace rt {

DirListBox::DirListBox() : path_(CurrentFolder()) {}

HWND DirListBox::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild("LISTBOX", LBS_NOTIFY | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS | LBS_NOINTEGRALHEIGHT | WS_VSCROLL,
                       WS_EX_CLIENTEDGE, parent, rect, id);
}

void DirListBox::OnCreated() {
    SendMessageA(hwnd_, LB_SETITEMHEIGHT, 0, TwipsToPixelsY(240));
    Subclass();
    Fill();
}

void DirListBox::Fill() {
    entries_.clear();
    // The path from the root down, then the folder's own subfolders.
    std::string root = path_.substr(0, path_.find('\\') + 1);
    if (root.empty()) root = path_;
    entries_.push_back({root, root, 0});
    size_t pos = root.size();
    int level = 1;
    while (pos < path_.size()) {
        size_t next = path_.find('\\', pos);
        if (next == std::string::npos) next = path_.size();
        entries_.push_back({path_.substr(pos, next - pos), path_.substr(0, next), level++});
        pos = next + 1;
    }
    currentIndex_ = static_cast<int>(entries_.size()) - 1;
    std::vector<std::string> subs;
    for (const DirEntry& e : ListDirectory(WithBackslash(path_) + "*", kListFolders | kListHidden | kListSystem)) {
        if ((e.attributes & FILE_ATTRIBUTE_DIRECTORY) && e.name != "." && e.name != "..") subs.push_back(e.name);
    }
    SortIgnoringCase(subs);
    for (const std::string& s : subs) entries_.push_back({s, WithBackslash(path_) + s, level});
    if (!hwnd_) return;
    SendMessageA(hwnd_, WM_SETREDRAW, FALSE, 0);
    SendMessageA(hwnd_, LB_RESETCONTENT, 0, 0);
    for (const Entry& e : entries_) SendMessageA(hwnd_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(e.name.c_str()));
    SendMessageA(hwnd_, LB_SETCURSEL, currentIndex_, 0);
    SendMessageA(hwnd_, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd_, nullptr, TRUE);
}

void DirListBox::Refresh() { Fill(); }

Error DirListBox::SetPath(const std::string& path) {
    std::string folder;
    if (Error e = ResolveFolder(path, folder)) return e;
    if (folder == path_) return {};
    bool changed = !SameIgnoringCase(folder, path_);
    path_ = folder;
    Fill();
    if (changed && Change) Change();
    return {};
}

void DirListBox::OnCommand(int code) {
    if (code != LBN_DBLCLK) return;
    int sel = static_cast<int>(SendMessageA(hwnd_, LB_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= static_cast<int>(entries_.size())) return;
    std::string target = entries_[sel].fullPath;
    if (Error e = SetPath(target)) Fill();  // a folder that vanished: show what is there now
}

bool DirListBox::OnDrawItem(const DRAWITEMSTRUCT& item) {
    if (item.itemID == static_cast<UINT>(-1) || item.itemID >= entries_.size()) return true;
    const Entry& e = entries_[item.itemID];
    bool selected = (item.itemState & ODS_SELECTED) != 0;
    HDC dc = item.hDC;
    FillRect(dc, &item.rcItem, GetSysColorBrush(selected ? COLOR_HIGHLIGHT : COLOR_WINDOW));
    int unit = TwipsToPixelsX(150);
    int x = item.rcItem.left + 2 + e.level * unit;
    int h = item.rcItem.bottom - item.rcItem.top;
    // A small folder: open for the path down to the folder shown, closed for subfolders.
    bool open = static_cast<int>(item.itemID) <= currentIndex_;
    HBRUSH folder = CreateSolidBrush(open ? RGB(250, 220, 120) : RGB(230, 190, 80));
    RECT tab{x, item.rcItem.top + h / 4, x + 6, item.rcItem.top + h / 4 + 3};
    RECT body{x, item.rcItem.top + h / 4 + 2, x + 14, item.rcItem.bottom - h / 5};
    FillRect(dc, &tab, folder);
    FillRect(dc, &body, folder);
    FrameRect(dc, &body, GetSysColorBrush(COLOR_GRAYTEXT));
    DeleteObject(folder);
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(selected ? COLOR_HIGHLIGHTTEXT : COLOR_WINDOWTEXT));
    RECT text = item.rcItem;
    text.left = x + 18;
    DrawTextA(dc, e.name.c_str(), -1, &text, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX);
    if (item.itemState & ODS_FOCUS) DrawFocusRect(dc, &item.rcItem);
    return true;
}

LRESULT DirListBox::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_KEYDOWN && wp == VK_RETURN) {
        OnCommand(LBN_DBLCLK);  // Enter opens the chosen folder, as a double-click does
        return 0;
    }
    LRESULT r = CallBase(msg, wp, lp);
    RaiseMouseUp(MouseUp, msg, wp, lp);
    return r;
}

}  // namespace rt
