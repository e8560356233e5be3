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

// A list view in report view over the control's own rows (owner data), so
// that adding, sorting and removing stay fast for very many rows. Each row
// is its text plus one text per further column. Indexes are 0-based.
class ListView : public Control {
public:
    struct Row {
        std::string text;
        std::vector<std::string> subItems;  // columns 2.. (index 0 is column 2)
    };

    explicit ListView(std::vector<ColumnHeader> columns) : columns_(std::move(columns)) {}

    const std::vector<ColumnHeader>& Columns() const { return columns_; }
    int Count() const { return static_cast<int>(rows_.size()); }
    const Row& RowAt(int index) const { return rows_.at(index); }
    const std::string& Text(int index) const { return rows_.at(index).text; }
    const std::string& SubItem(int index, int column) const;  // column: 1-based sub-item

    // Adds a row at the end, or at its sorted place once sorting is on.
    // Returns its index.
    int Add(Row row);
    void Remove(int index);
    // Removes every selected row; returns how many were removed.
    int RemoveSelected();
    void Clear();

    bool Selected(int index) const;
    void SetSelected(int index, bool on);
    // The focused (or else the first selected) row, -1 when none.
    int SelectedIndex() const;
    void EnsureVisible(int index);

    // Sorting: column index 0 for the row text, 1.. for sub-items. The order
    // is the platform's case-insensitive text order (CompareStringA with
    // NORM_IGNORECASE in the user's locale), as the list view sorts text.
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
    LRESULT OnNotify(NMHDR* hdr, bool& handled) override;

private:
    static LRESULT CALLBACK SubclassProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
    const std::string& Cell(const Row& row, int key) const;
    bool Before(const Row& a, const Row& b) const;
    void Sort();
    void SyncCount();
    void SyncNow() const;
    void ClearSelection();
    std::vector<int> SelectedIndexes() const;

    std::vector<ColumnHeader> columns_;
    std::vector<Row> rows_;
    int sortKey_ = 0;
    bool sortDescending_ = false;
    bool sorted_ = false;
    mutable bool countStale_ = false;  // the control's own count lags the rows
    mutable DWORD lastSync_ = 0;       // tick count of the last hand-over
    int upPending_ = 0;  // the button whose MouseUp the control's own drag loop swallowed
};

}  // namespace rt
