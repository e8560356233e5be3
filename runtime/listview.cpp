#include "rt/listview.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>
#include <numeric>

#include "rt/form.h"
#include "rt/screen.h"

namespace rt {
namespace {

constexpr UINT_PTR kSyncCountTimer = 0x4C56;
// Rows streaming in (adds that yield every tenth row) repaint the control at
// most this often; each repaint of a shown list costs milliseconds.
constexpr DWORD kSyncIntervalMs = 100;

int CompareText(const std::string& a, const std::string& b) {
    return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a.data(), static_cast<int>(a.size()), b.data(),
                          static_cast<int>(b.size()));
}
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
    Subclass(&ListView::SubclassProc);
    SyncCount();
}

const std::string& ListView::SubItem(int index, int column) const { return Cell(rows_.at(index), column); }

const std::string& ListView::Cell(const Row& row, int key) const {
    static const std::string empty;
    if (key <= 0) return row.text;
    size_t i = static_cast<size_t>(key - 1);
    return i < row.subItems.size() ? row.subItems[i] : empty;
}

bool ListView::Before(const Row& a, const Row& b) const {
    int c = CompareText(Cell(a, sortKey_), Cell(b, sortKey_));
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
    SendMessageA(hwnd_, LVM_SETITEMCOUNT, rows_.size(), LVSICF_NOSCROLL);
    InvalidateRect(hwnd_, nullptr, FALSE);
}

int ListView::Add(Row row) {
    if (row.subItems.size() + 1 < columns_.size()) row.subItems.resize(columns_.size() - 1);
    size_t pos = rows_.size();
    if (sorted_) {
        pos = static_cast<size_t>(std::upper_bound(rows_.begin(), rows_.end(), row,
                                                   [this](const Row& a, const Row& b) { return Before(a, b); }) -
                                  rows_.begin());
    }
    std::vector<int> selected = pos < rows_.size() ? SelectedIndexes() : std::vector<int>{};
    rows_.insert(rows_.begin() + static_cast<std::ptrdiff_t>(pos), std::move(row));
    SyncCount();
    if (!selected.empty()) {
        // The control keeps selection by index: move it with the rows.
        for (int i : selected) SetSelected(i, false);
        for (int i : selected) SetSelected(i >= static_cast<int>(pos) ? i + 1 : i, true);
    }
    return static_cast<int>(pos);
}

void ListView::Remove(int index) {
    if (index < 0 || index >= Count()) return;
    std::vector<int> selected = SelectedIndexes();
    rows_.erase(rows_.begin() + index);
    ClearSelection();
    SyncCount();
    for (int i : selected) {
        if (i != index) SetSelected(i > index ? i - 1 : i, true);
    }
}

int ListView::RemoveSelected() {
    std::vector<int> selected = SelectedIndexes();
    if (selected.empty()) return 0;
    std::vector<char> drop(rows_.size(), 0);
    for (int i : selected) drop[static_cast<size_t>(i)] = 1;
    size_t k = 0;
    auto it = std::remove_if(rows_.begin(), rows_.end(), [&](const Row&) { return drop[k++] != 0; });
    rows_.erase(it, rows_.end());
    ClearSelection();
    SyncCount();
    return static_cast<int>(selected.size());
}

void ListView::Clear() {
    rows_.clear();
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
    std::vector<int> order(rows_.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [this](int a, int b) { return Before(rows_[a], rows_[b]); });
    std::vector<Row> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newIndex(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        newIndex[static_cast<size_t>(order[i])] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[static_cast<size_t>(order[i])]));
    }
    rows_ = std::move(sorted);
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

LRESULT ListView::OnNotify(NMHDR* hdr, bool& handled) {
    handled = true;
    switch (hdr->code) {
    case LVN_GETDISPINFOA: {
        auto* info = reinterpret_cast<NMLVDISPINFOA*>(hdr);
        LVITEMA& item = info->item;
        if ((item.mask & LVIF_TEXT) && item.iItem >= 0 && item.iItem < Count()) {
            const std::string& text = Cell(rows_[static_cast<size_t>(item.iItem)], item.iSubItem);
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
    handled = false;
    return 0;
}

LRESULT CALLBACK ListView::SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = static_cast<ListView*>(Subclassed(hwnd));
    if (!self) return DefWindowProcA(hwnd, msg, wp, lp);
    int button = 0;
    bool down = false;
    switch (msg) {
    case WM_LBUTTONDOWN: button = 1; down = true; break;
    case WM_RBUTTONDOWN: button = 2; down = true; break;
    case WM_MBUTTONDOWN: button = 4; down = true; break;
    case WM_LBUTTONUP: button = 1; break;
    case WM_RBUTTONUP: button = 2; break;
    case WM_MBUTTONUP: button = 4; break;
    case WM_TIMER:
        if (wp != kSyncCountTimer) return self->CallBase(msg, wp, lp);
        self->SyncNow();
        return 0;
    default:
        return self->CallBase(msg, wp, lp);
    }
    int x = PixelsToTwipsX(GET_X_LPARAM(lp)), y = PixelsToTwipsY(GET_Y_LPARAM(lp));
    int shift = ShiftState();
    if (down) {
        if (self->MouseDown) self->MouseDown(button, shift, x, y);
        if (!IsWindow(hwnd)) return 0;
        self->upPending_ = button;
        LRESULT r = self->CallBase(msg, wp, lp);
        // The control's own drag detection takes the button-up message;
        // raise MouseUp for it here.
        if (IsWindow(hwnd) && self->upPending_ == button && !(GetKeyState(button == 1   ? VK_LBUTTON
                                                                         : button == 2 ? VK_RBUTTON
                                                                                       : VK_MBUTTON) < 0)) {
            self->upPending_ = 0;
            if (self->MouseUp) self->MouseUp(button, ShiftState(), x, y);
        }
        return r;
    }
    LRESULT r = self->CallBase(msg, wp, lp);
    if (self->upPending_ == button || self->upPending_ == 0) {
        self->upPending_ = 0;
        if (self->MouseUp) self->MouseUp(button, shift, x, y);
    }
    return r;
}

}  // namespace rt
