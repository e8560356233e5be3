#include "filelist/file_rows.h"

#include <algorithm>
#include <cstring>

#include "rt/convert.h"
#include "rt/text_compare.h"

namespace filelist {

FileRows::FileRows(CellFunction thirdCell, DuplicateIndex::HashFunction hash)
    : thirdCell_(std::move(thirdCell)),
      index_(
          hash, [this](int row) { return KeyOf(PathOf(rows_[static_cast<size_t>(row)])).hash; },
          [this](int row, int other) { return SamePath(rows_[static_cast<size_t>(row)], rows_[static_cast<size_t>(other)]); }) {}

const char* FileRows::PathBlocks::Add(const char* text, size_t length) {
    constexpr size_t kBlockSize = 256 * 1024;
    if (blocks_.empty() || blockUsed_ + length > blockSize_) {
        blockSize_ = std::max(kBlockSize, length);
        blocks_.push_back(std::make_unique<char[]>(blockSize_));
        blockUsed_ = 0;
    }
    char* at = blocks_.back().get() + blockUsed_;
    if (length > 0) std::memcpy(at, text, length);
    blockUsed_ += length;
    used_ += length;
    return at;
}

void FileRows::PathBlocks::Clear() { *this = PathBlocks(); }

std::string FileRows::Cell(int row, int column) const {
    const StoredRow& stored = rows_[static_cast<size_t>(row)];
    // The path alone needs no row of its own.
    return column == 0 ? PathOf(stored) : CellOf(Row(row), column);
}

FileRow FileRows::Row(int row) const {
    const StoredRow& stored = rows_[static_cast<size_t>(row)];
    return {PathOf(stored), stored.facts};
}

std::string FileRows::CellOf(const FileRow& row, int column) const {
    switch (column) {
    case 0: return row.path;
    case 1: return SizeCell(row);
    case 2: return thirdCell_(row);
    case 3: return ModifiedCell(row);
    }
    return "";
}

void FileRows::Reorder(const std::vector<int>& order) {
    // In place, cycle by cycle: place i takes the row from order[i].
    std::vector<bool> placed(rows_.size(), false);
    std::vector<int> newIndex(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) newIndex[static_cast<size_t>(order[i])] = static_cast<int>(i);
    for (size_t start = 0; start < rows_.size(); ++start) {
        if (placed[start]) continue;
        const StoredRow first = rows_[start];
        size_t at = start;
        for (size_t from = static_cast<size_t>(order[at]); from != start; from = static_cast<size_t>(order[at])) {
            rows_[at] = rows_[from];
            placed[at] = true;
            at = from;
        }
        rows_[at] = first;
        placed[at] = true;
    }
    index_.Renumber(newIndex);
}

FileRows::Key FileRows::KeyOf(const std::string& path) const {
    Key key{rt::UCase(path), 0};
    key.hash = index_.HashOf(key.upperCased);
    return key;
}

bool FileRows::Contains(const Key& key) const {
    return index_.Contains(key.hash, [&](int row) {
        const StoredRow& stored = rows_[static_cast<size_t>(row)];
        return stored.pathLength == key.upperCased.size() && rt::UCase(PathOf(stored)) == key.upperCased;
    });
}

bool FileRows::SamePath(const StoredRow& row, const StoredRow& other) const {
    return row.pathLength == other.pathLength && (std::memcmp(row.path, other.path, row.pathLength) == 0 ||
                                                  rt::SameIgnoringCase(PathOf(row), PathOf(other)));
}

void FileRows::Insert(int at, const FileRow& row, const Key& key) {
    const StoredRow stored{row.facts, paths_.Add(row.path.data(), row.path.size()),
                           static_cast<std::uint32_t>(row.path.size())};
    rows_.insert(rows_.begin() + at, stored);
    pathBytes_ += row.path.size();
    index_.Insert(key.hash, at);
}

void FileRows::Remove(const std::vector<int>& indexes) {
    std::vector<bool> removed(rows_.size(), false);
    for (int i : indexes) removed[static_cast<size_t>(i)] = true;
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (removed[i])
            pathBytes_ -= rows_[i].pathLength;
        else
            rows_[kept++] = rows_[i];
    }
    rows_.resize(kept);
    index_.Rebuild(Count());
    // Removed rows leave their paths behind; once they outweigh the listed
    // ones, the listed paths move to fresh blocks.
    if (paths_.Used() > 2 * pathBytes_ + 1024 * 1024) CompactPaths();
}

void FileRows::CompactPaths() {
    PathBlocks fresh;
    for (StoredRow& row : rows_) row.path = fresh.Add(row.path, row.pathLength);
    paths_ = std::move(fresh);
}

void FileRows::Clear() {
    rows_ = {};
    paths_.Clear();
    pathBytes_ = 0;
    index_.Clear();
}

}  // namespace filelist
