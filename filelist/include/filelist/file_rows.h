#pragma once
// The rows of the file list, as the list view shows and sorts them, with
// the duplicate test over them.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "filelist/duplicate_index.h"
#include "filelist/row_cells.h"
#include "rt/listview.h"

namespace filelist {

class FileRows : public rt::ListView::Rows {
public:
    using CellFunction = std::function<std::string(const FileRow& row)>;
    // A path as the duplicate test compares it.
    struct Key {
        std::string upperCased;
        std::uint32_t hash;
    };

    // thirdCell gives the third column's cell of a row.
    explicit FileRows(CellFunction thirdCell, DuplicateIndex::HashFunction hash = DuplicateIndex::UpperCaseHash)
        : thirdCell_(std::move(thirdCell)), index_(hash) {}

    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const override { return CellOf(rows_[static_cast<size_t>(row)], column); }
    void Reorder(const std::vector<int>& order) override;

    const FileRow& operator[](int row) const { return rows_[static_cast<size_t>(row)]; }
    std::string CellOf(const FileRow& row, int column) const;

    Key KeyOf(const std::string& path) const;
    // Does a row hold this path, compared in upper case?
    bool Contains(const Key& key) const;
    void Insert(int at, FileRow row, const Key& key);
    // Removes the rows at these indexes (ascending).
    void Remove(const std::vector<int>& indexes);
    void Clear();

private:
    CellFunction thirdCell_;
    std::vector<FileRow> rows_;
    DuplicateIndex index_;
};

}  // namespace filelist
