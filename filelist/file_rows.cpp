#include "filelist/file_rows.h"

#include "rt/convert.h"

namespace filelist {

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
    std::vector<FileRow> sorted;
    sorted.reserve(rows_.size());
    std::vector<int> newIndex(rows_.size());
    for (size_t i = 0; i < order.size(); ++i) {
        const size_t from = static_cast<size_t>(order[i]);
        newIndex[from] = static_cast<int>(i);
        sorted.push_back(std::move(rows_[from]));
    }
    rows_ = std::move(sorted);
    index_.Renumber(newIndex);
}

FileRows::Key FileRows::KeyOf(const std::string& path) const {
    Key key{rt::UCase(path), 0};
    key.hash = index_.HashOf(key.upperCased);
    return key;
}

bool FileRows::Contains(const Key& key) const {
    return index_.Contains(key.hash, [&](int row) { return rt::UCase((*this)[row].path) == key.upperCased; });
}

void FileRows::Insert(int at, FileRow row, const Key& key) {
    rows_.insert(rows_.begin() + at, std::move(row));
    index_.Insert(key.hash, at);
}

void FileRows::Remove(const std::vector<int>& indexes) {
    std::vector<int> newIndex(rows_.size(), 0);
    for (int i : indexes) newIndex[static_cast<size_t>(i)] = -1;
    size_t kept = 0;
    for (size_t i = 0; i < rows_.size(); ++i) {
        if (newIndex[i] < 0) continue;
        newIndex[i] = static_cast<int>(kept);
        if (kept != i) rows_[kept] = std::move(rows_[i]);
        ++kept;
    }
    rows_.resize(kept);
    index_.Renumber(newIndex);
}

void FileRows::Clear() {
    rows_ = {};
    index_.Clear();
}

}  // namespace filelist
