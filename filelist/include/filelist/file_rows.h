#pragma once
// The rows of the file list, as the list view shows and sorts them, with
// the duplicate test over them. A list may hold 100,000 rows and more: each
// row keeps its path once, in large shared blocks, beside its file's facts.
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
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
    explicit FileRows(CellFunction thirdCell, DuplicateIndex::HashFunction hash = DuplicateIndex::UpperCaseHash);

    int Count() const override { return static_cast<int>(rows_.size()); }
    std::string Cell(int row, int column) const override;
    void Reorder(const std::vector<int>& order) override;

    FileRow Row(int row) const;
    std::string CellOf(const FileRow& row, int column) const;

    Key KeyOf(const std::string& path) const;
    // Does a row hold this path, compared in upper case?
    bool Contains(const Key& key) const;
    void Insert(int at, const FileRow& row, const Key& key);
    // Removes the rows at these indexes (ascending).
    void Remove(const std::vector<int>& indexes);
    void Clear();

private:
#pragma pack(push, 4)  // no padding after the facts: a row is 28 bytes in the 32-bit build
    struct StoredRow {
        FileFacts facts;
        const char* path;  // in paths_, not NUL-ended
        std::uint32_t pathLength;
    };
#pragma pack(pop)
    // The paths' characters, in blocks that never move.
    class PathBlocks {
    public:
        const char* Add(const char* text, size_t length);
        void Clear();
        size_t Used() const { return used_; }

    private:
        std::vector<std::unique_ptr<char[]>> blocks_;
        size_t blockSize_ = 0, blockUsed_ = 0, used_ = 0;
    };

    std::string PathOf(const StoredRow& row) const { return std::string(row.path, row.pathLength); }
    // Compared in upper case, as the duplicate test compares.
    bool SamePath(const StoredRow& row, const StoredRow& other) const;
    void CompactPaths();

    CellFunction thirdCell_;
    std::deque<StoredRow> rows_;  // grows without moving what it holds
    PathBlocks paths_;
    size_t pathBytes_ = 0;  // of the rows still listed
    DuplicateIndex index_;
};

}  // namespace filelist
