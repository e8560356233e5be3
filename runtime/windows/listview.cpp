#include "rt/listview.h"

#include <commctrl.h>

#include <cmath>

#include "rt/form.h"
#include "rt/mouse.h"
#include "rt/screen.h"
#include "rt/text_compare.h"

namespace rt {
namespace {

constexpr UINT_PTR kSyncCountTimer = 0x4C56;
// Rows streaming in (adds that yield every tenth row) repaint the control at
// most this often; each repaint of a shown list costs milliseconds.
constexpr DWORD kSyncIntervalMs = 100;

}  // namespace

HWND ListView::Create(HWND parent, const RECT& rect, int id) {
    return CreateChild(WC_LISTVIEWA, LVS_REPORT | LVS_OWNERDATA | LVS_SHOWSELALWAYS, WS_EX_CLIENTEDGE, parent,
                       rect, id);
}

void ListView::OnCreated() {
    for (size_t i = 0; i < columns_.size(); ++i) {
        LVCOLUMNA col{};
        col.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_FMT | LVCF_SUBITEM;
        col.fmt = LVCFMT_LEFT;
        col.cx = TwipsToPixelsX(columns_[i].width);
        col.pszText = const_cast<char*>(columns_[i].caption.c_str());
        col.iSubItem = static_cast<int>(i);
        SendMessageA(hwnd_, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&col));
    }
    Subclass();
    SyncCount();
}

std::string ListView::SubItem(int index, int column) const {
    return index >= 0 && index < Count() ? rows_.Cell(index, column) : std::string();
}

bool ListView::Before(const std::string& a, const std::string& b) const {
    int c = CompareIgnoringCase(a, b);
    return sortDescending_ ? c == CSTR_GREATER_THAN : c == CSTR_LESS_THAN;
}

std::vector<int> ListView::SelectedIndexes() const {
    std::vector<int> out;
    if (!hwnd_) return out;
    SyncNow();
    int i = -1;
    while ((i = static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, i, LVNI_SELECTED))) >= 0) out.push_back(i);
    return out;
}

void ListView::ClearSelection() {
    if (!hwnd_) return;
    SyncNow();
    LVITEMA none{};
    none.stateMask = LVIS_SELECTED | LVIS_FOCUSED;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(&none));
}

// Telling the control its row count repaints it at once, which costs
// milliseconds: the count is handed over by a timer of the message loop, at
// most once per interval, and at once before anything that reads or sets the
// control's own state.
void ListView::SyncCount() {
    if (!hwnd_ || countStale_) return;
    countStale_ = true;
    const DWORD since = GetTickCount() - lastSync_;
    SetTimer(hwnd_, kSyncCountTimer, since >= kSyncIntervalMs ? USER_TIMER_MINIMUM : kSyncIntervalMs - since, nullptr);
}

void ListView::SyncNow() const {
    if (!hwnd_ || !countStale_) return;
    countStale_ = false;
    KillTimer(hwnd_, kSyncCountTimer);
    lastSync_ = GetTickCount();
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, static_cast<WPARAM>(Count()), LVSICF_NOSCROLL);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

int ListView::InsertPlace(const std::function<std::string(int column)>& cellOfNew) const {
    if (!sorted_) return Count();
    const std::string key = cellOfNew(sortKey_);
    int low = 0, high = Count();
    while (low < high) {
        const int mid = low + (high - low) / 2;
        if (Before(key, rows_.Cell(mid, sortKey_)))
            high = mid;
        else
            low = mid + 1;
    }
    return low;
}

void ListView::RowInserted(int index) {
    std::vector<int> selected = index + 1 < Count() ? SelectedIndexes() : std::vector<int>{};
    SyncCount();
    if (selected.empty()) return;
    // The control keeps selection by index: move it with the rows.
    for (int i : selected) SetSelected(i, false);
    for (int i : selected) SetSelected(i >= index ? i + 1 : i, true);
}

void ListView::RowsRemoved() {
    ClearSelection();
    SyncCount();
}

bool ListView::Selected(int index) const {
    if (!hwnd_ || index < 0 || index >= Count()) return false;
    SyncNow();
    return (SendMessageA(hwnd_, LVM_GETITEMSTATE, index, LVIS_SELECTED) & LVIS_SELECTED) != 0;
}

void ListView::SetSelected(int index, bool on) {
    if (!hwnd_ || index < 0 || index >= Count()) return;
    SyncNow();
    LVITEMA item{};
    item.stateMask = LVIS_SELECTED;
    item.state = on ? LVIS_SELECTED : 0;
    SendMessageA(hwnd_, LVM_SETITEMSTATE, index, reinterpret_cast<LPARAM>(&item));
}

int ListView::SelectedIndex() const {
    if (!hwnd_) return -1;
    SyncNow();
    int focused = static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
    if (focused >= 0 && Selected(focused)) return focused;
    return static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

void ListView::EnsureVisible(int index) {
    SyncNow();
    if (hwnd_ && index >= 0 && index < Count()) SendMessageA(hwnd_, LVM_ENSUREVISIBLE, index, FALSE);
}

void ListView::SetSorted(bool on) {
    sorted_ = on;
    if (on) Sort();
}

void ListView::Sort() {
    std::vector<int> selected = SelectedIndexes();
    const int n = Count();
    const std::vector<int> order =
        TextOrder(n, [&](int row) { return rows_.Cell(row, sortKey_); }, sortDescending_);
    std::vector<int> newIndex(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) newIndex[static_cast<size_t>(order[static_cast<size_t>(i)])] = i;
    rows_.Reorder(order);
    if (hwnd_ && !selected.empty()) {
        int focused = static_cast<int>(SendMessageA(hwnd_, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_FOCUSED));
        ClearSelection();
        for (int i : selected) SetSelected(newIndex[static_cast<size_t>(i)], true);
        if (focused >= 0 && focused < Count()) {
            LVITEMA f{};
            f.stateMask = LVIS_FOCUSED;
            f.state = LVIS_FOCUSED;
            SendMessageA(hwnd_, LVM_SETITEMSTATE, newIndex[static_cast<size_t>(focused)], reinterpret_cast<LPARAM>(&f));
        }
    }
    SyncCount();
}

LRESULT ListView::OnNotify(NMHDR* hdr) {
    switch (hdr->code) {
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
        LVITEMA& item = info->item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < Count()) {
            const std::string text = rows_.Cell(item.iItem, item.iSubItem);
            if (item.pszText && item.cchTextMax > 0) lstrcpynA(item.pszText, text.c_str(), item.cchTextMax);
        }
        return 0;
    }
    case LVN_COLUMNCLICK:
        if (ColumnClick) ColumnClick(reinterpret_cast<NMLISTVIEW*>(hdr)->iSubItem + 1);
        return 0;
    case NM_DBLCLK:
        if (DblClick) DblClick();
        return 0;
    }
    return 0;
}

LRESULT ListView::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    const HWND hwnd = hwnd_;  // a handler may unload the form
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP: break;  // double clicks and moves are the control's alone
    case WM_TIMER:
        if (wp != kSyncCountTimer) return CallBase(msg, wp, lp);
        SyncNow();
        return 0;
    case WM_SIZE: {
        // The header repaints only what it thinks changed, so a widened
        // view kept the old filler's edge as a stray divider.
        LRESULT r = CallBase(msg, wp, lp);
        InvalidateRect(reinterpret_cast<HWND>(SendMessageA(hwnd, LVM_GETHEADER, 0, 0)), nullptr, TRUE);
        return r;
    }
    default:
        return CallBase(msg, wp, lp);
    }
    MouseEvent e;
    MouseEventFrom(msg, wp, lp, e);
    const int button = e.button, shift = e.shift;
    const int x = static_cast<int>(std::lround(e.x)), y = static_cast<int>(std::lround(e.y));
    if (e.action == MouseAction::Down) {
        if (MouseDown) MouseDown(button, shift, x, y);
        if (!IsWindow(hwnd)) return 0;
        upPending_ = button;
        LRESULT r = CallBase(msg, wp, lp);
        // The control's own drag detection takes the button-up message;
        // raise MouseUp for it here.
        if (IsWindow(hwnd) && upPending_ == button && !(GetKeyState(button == 1   ? VK_LBUTTON
                                                                         : button == 2 ? VK_RBUTTON
                                                                                       : VK_MBUTTON) < 0)) {
            upPending_ = 0;
            if (MouseUp) MouseUp(button, ShiftState(), x, y);
        }
        return r;
    }
    LRESULT r = CallBase(msg, wp, lp);
    if (upPending_ == button || upPending_ == 0) {
        upPending_ = 0;
        if (MouseUp) MouseUp(button, shift, x, y);
    }
    return r;
}

}  // namespace rt
