#include "rt/filesystem_lists.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <unordered_set>
#include <utility>

#include "rt/convert.h"
#include "rt/drives.h"
#include "rt/files.h"
#include "rt/form.h"
#include "rt/mouse.h"
#include "rt/paths.h"
#include "rt/screen.h"
#include "rt/text_compare.h"
#include "text_order.h"

namespace rt {
namespace {

// The names in the platform's order, ignoring case.
void SortIgnoringCase(std::vector<std::string>& names) {
    const std::vector<int> order =
        TextOrder(static_cast<int>(names.size()), [&](int i) { return names[static_cast<size_t>(i)]; });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (int i : order) sorted.push_back(std::move(names[static_cast<size_t>(i)]));
    names = std::move(sorted);
}

// A list pane's MouseUp for a button released over it.
void RaiseMouseUp(const std::function<void(int, int, int, int)>& handler, UINT msg, WPARAM wp, LPARAM lp) {
    MouseEvent e;
    if (!handler || !MouseEventFrom(msg, wp, lp, e) || e.action != MouseAction::Up) return;
    handler(e.button, e.shift, static_cast<int>(std::lround(e.x)), static_cast<int>(std::lround(e.y)));
}

Error PathNotFound() { return Error{ERROR_PATH_NOT_FOUND, ErrorText(ERROR_PATH_NOT_FOUND)}; }

// The full path of an existing folder: no trailing "\" except at a root.
Error ResolveFolder(const std::string& text, std::string& folder) {
    std::string t = text;
    char letter = DriveLetterOf(t);
    if (letter && !DriveReady(letter)) return Error{ERROR_NOT_READY, ErrorText(ERROR_NOT_READY)};
    // A drive alone, also as the drive list shows it ("d: [label]").
    if (letter && (t.size() == 2 || t.compare(2, 2, " [") == 0)) return DriveCurrentFolder(letter, folder);
    if (t.empty() || !NameablePath(t) || t.find_first_of("*?\"<>|") != std::string::npos) return PathNotFound();
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetFullPathNameA(t.c_str(), sizeof buf, buf, nullptr);
    if (n == 0 || n >= sizeof buf) return PathNotFound();
    const std::string full = WithoutBackslash(std::string(buf, n));
    if (!NameablePath(full)) return PathNotFound();
    DWORD attrs = GetFileAttributesA(full.c_str());
    if (attrs == INVALID_FILE_ATTRIBUTES || !(attrs & FILE_ATTRIBUTE_DIRECTORY)) {
        DWORD err = attrs == INVALID_FILE_ATTRIBUTES ? GetLastError() : ERROR_DIRECTORY;
        if (err == ERROR_NOT_READY) return Error{err, ErrorText(err)};
        return PathNotFound();
    }
    folder = full;
    return {};
}

std::string CurrentFolder() {
    char buf[MAX_PATH * 4] = {};
    DWORD n = GetCurrentDirectoryA(sizeof buf, buf);
    return WithoutBackslash(std::string(buf, n));
}

}  // namespace

// ---- drive list ----

DriveListBox::DriveListBox() {
    std::string cur = CurrentFolder();
    char letter = DriveLetterOf(cur);
    if (letter) drive_ = DriveDisplayText(letter);
}

HWND DriveListBox::Create(HWND parent, const RECT& rect, int id) {
    RECT r = rect;
    r.bottom = r.top + 300;
    return CreateChild("COMBOBOX", CBS_DROPDOWNLIST | WS_VSCROLL, 0, parent, r, id);
}

void DriveListBox::OnCreated() { Fill(); }

void DriveListBox::Fill() {
    letters_ = DriveLetters();
    if (!hwnd_) return;
    SendMessageA(hwnd_, CB_RESETCONTENT, 0, 0);
    for (char l : letters_) {
        std::string text = l == DriveLetterOf(drive_) ? drive_ : DriveDisplayText(l);
        SendMessageA(hwnd_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(text.c_str()));
    }
    SendMessageA(hwnd_, CB_SETCURSEL, IndexOf(DriveLetterOf(drive_)), 0);
}

int DriveListBox::IndexOf(char letter) const {
    auto it = std::find(letters_.begin(), letters_.end(), letter);
    return it == letters_.end() ? -1 : static_cast<int>(it - letters_.begin());
}

Error DriveListBox::SetDrive(const std::string& text) {
    std::string t = Trim(text);
    if (t.empty() || !std::isalpha(static_cast<unsigned char>(t[0])))
        return Error{ERROR_INVALID_DRIVE, ErrorText(ERROR_INVALID_DRIVE)};
    char letter = static_cast<char>(std::tolower(static_cast<unsigned char>(t[0])));
    if (IndexOf(letter) < 0) Fill();  // a drive that came since the list was filled
    if (IndexOf(letter) < 0) return Error{ERROR_INVALID_DRIVE, ErrorText(ERROR_INVALID_DRIVE)};
    if (letter == DriveLetterOf(drive_)) return {};
    drive_ = DriveDisplayText(letter);
    if (hwnd_) {
        int index = IndexOf(letter);
        SendMessageA(hwnd_, CB_DELETESTRING, index, 0);
        SendMessageA(hwnd_, CB_INSERTSTRING, index, reinterpret_cast<LPARAM>(drive_.c_str()));
        SendMessageA(hwnd_, CB_SETCURSEL, index, 0);
    }
    if (Change) Change();
    return {};
}

void DriveListBox::OnCommand(int code) {
    if (code != CBN_SELCHANGE) return;
    int sel = static_cast<int>(SendMessageA(hwnd_, CB_GETCURSEL, 0, 0));
    if (sel < 0 || sel >= static_cast<int>(letters_.size())) return;
    if (letters_[sel] == DriveLetterOf(drive_)) return;
    drive_ = DriveDisplayText(letters_[sel]);
    if (Change) Change();
}

// ---- folder list ----

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

// ---- file list ----

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
