#pragma once
#include <functional>
#include <string>
#include <vector>

#include "rt/control.h"

namespace rt {

struct ColumnHeader {
    std::string caption;
    std::string key;
    int width = 0;  // twips
};

// A list view in report view over rows that its owner keeps (owner data):
// the control asks for the cells it paints, so adding, sorting and removing
// stay fast for very many rows. Indexes are 0-based; column 0 is the row
// text, 1.. the sub-items.
class ListView : public Control {
public:
    // The owner's rows, as the control reads and sorts them.
    class Rows {
    public:
        virtual int Count() const = 0;
        virtual std::string Cell(int row, int column) const = 0;
        // Puts the rows in this order: order[i] is the row that goes to place i.
        virtual void Reorder(const std::vector<int>& order) = 0;

    protected:
        ~Rows() = default;
    };

    ListView(std::vector<ColumnHeader> columns, Rows& rows) : columns_(std::move(columns)), rows_(rows) {}

    const std::vector<ColumnHeader>& Columns() const { return columns_; }
    int Count() const { return rows_.Count(); }
    std::string Text(int index) const { return SubItem(index, 0); }
    std::string SubItem(int index, int column) const;  // "" outside the rows

    // Where a new row goes: at the end, or at its sorted place once sorting
    // is on (after the rows whose cell equals its own). cellOfNew gives the
    // new row's cell of a column.
    int InsertPlace(const std::function<std::string(int column)>& cellOfNew) const;
    // The owner has put a row in at index: the selection moves with the rows.
    void RowInserted(int index);
    // The owner has removed rows: the selection is cleared.
    void RowsRemoved();

    bool Selected(int index) const;
    void SetSelected(int index, bool on);
    std::vector<int> SelectedIndexes() const;
    // The focused (or else the first selected) row, -1 when none.
    int SelectedIndex() const;
    void EnsureVisible(int index);

    // Sorting: the order is the platform's case-insensitive text order of
    // the cells as shown (CompareStringA with NORM_IGNORECASE in the user's
    // locale), as the list view sorts text; rows with equal cells keep their
    // order.
    void SetSortKey(int key) { sortKey_ = key; }
    void SetSortDescending(bool on) { sortDescending_ = on; }
    void SetSorted(bool on);
    bool Sorted() const { return sorted_; }

    std::function<void(int column)> ColumnClick;                       // 1-based column
    std::function<void(int button, int shift, int x, int y)> MouseDown;  // button 1 left, 2 right, 4 middle
    std::function<void(int button, int shift, int x, int y)> MouseUp;
    std::function<void()> DblClick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    LRESULT OnNotify(NMHDR* hdr) override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    bool Before(const std::string& a, const std::string& b) const;
    void Sort();
    void SyncCount();
    void SyncNow() const;
    void ClearSelection();

    std::vector<ColumnHeader> columns_;
    Rows& rows_;
    int sortKey_ = 0;
    bool sortDescending_ = false;
    bool sorted_ = false;
    mutable bool countStale_ = false;  // the control's own count lags the rows
    mutable DWORD lastSync_ = 0;       // tick count of the last hand-over
    int upPending_ = 0;  // the button whose MouseUp the control's own drag loop swallowed
};

}  // namespace rt
