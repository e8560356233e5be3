#include "filelist/duplicate_index.h"

namespace filelist {

std::uint32_t DuplicateIndex::UpperCaseHash(const std::string& upperCased) {
    std::uint32_t h = 2166136261u;
    for (unsigned char c : upperCased) {
        h ^= c;
        h *= 16777619u;
    }
    return h;
}

bool DuplicateIndex::Contains(std::uint32_t hash, const std::function<bool(int row)>& sameRow) const {
    return !slots_.empty() && slots_[Probe(hash, sameRow)] != 0;
}

size_t DuplicateIndex::Probe(std::uint32_t hash, const std::function<bool(int row)>& sameRow) const {
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask;; i = (i + 1) & mask) {
        const std::uint32_t s = slots_[i];
        if (s == 0 || ((s & ~kRowMask) == Tag(hash) && sameRow(static_cast<int>((s & kRowMask) - 1)))) return i;
    }
}

void DuplicateIndex::Insert(std::uint32_t hash, int row) {
    // At most half full, so that a search meets an empty slot soon.
    if ((used_ + 1) * 2 > slots_.size()) {
        Resize(slots_.empty() ? 64 : slots_.size() * 2, rows_ + 1);  // the new row included
        return;
    }
    if (row < rows_) {
        for (std::uint32_t& s : slots_) {
            if ((s & kRowMask) > static_cast<std::uint32_t>(row)) ++s;
        }
    }
    ++rows_;
    Place(hash, row);
}

void DuplicateIndex::Renumber(const std::vector<int>& newIndex) {
    for (std::uint32_t& s : slots_) {
        if (s != 0) s = (s & ~kRowMask) | (static_cast<std::uint32_t>(newIndex[(s & kRowMask) - 1]) + 1);
    }
}

void DuplicateIndex::Rebuild(int count) { Resize(slots_.size(), count); }

void DuplicateIndex::Clear() {
    slots_ = {};
    rows_ = 0;
    used_ = 0;
}

void DuplicateIndex::Resize(size_t slots, int count) {
    slots_.assign(slots, 0);
    rows_ = count;
    used_ = 0;
    for (int row = 0; row < count; ++row) Place(hashOfRow_(row), row);
}

void DuplicateIndex::Place(std::uint32_t hash, int row) {
    const size_t i = Probe(hash, [&](int other) { return sameRows_(other, row); });
    if (slots_[i] != 0) return;
    slots_[i] = Tag(hash) | (static_cast<std::uint32_t>(row) + 1);
    ++used_;
}

}  // namespace filelist
