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
    if (slots_.empty()) return false;
    const size_t mask = slots_.size() - 1;
    for (size_t i = hash & mask; slots_[i].rowPlusOne != 0; i = (i + 1) & mask) {
        if (slots_[i].hash == hash && sameRow(static_cast<int>(slots_[i].rowPlusOne - 1))) return true;
    }
    return false;
}

void DuplicateIndex::Insert(std::uint32_t hash, int row) {
    if (row < count_) {
        for (Slot& s : slots_) {
            if (s.rowPlusOne > static_cast<std::uint32_t>(row)) ++s.rowPlusOne;
        }
    }
    // At most half full, so that a search meets an empty slot soon.
    if (static_cast<size_t>(count_ + 1) * 2 > slots_.size()) Grow();
    Place({hash, static_cast<std::uint32_t>(row) + 1});
    ++count_;
}

void DuplicateIndex::Renumber(const std::vector<int>& newIndex) {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.size(), Slot{0, 0});
    count_ = 0;
    for (const Slot& s : old) {
        if (s.rowPlusOne == 0) continue;
        const int to = newIndex[s.rowPlusOne - 1];
        if (to < 0) continue;
        Place({s.hash, static_cast<std::uint32_t>(to) + 1});
        ++count_;
    }
}

void DuplicateIndex::Clear() {
    slots_ = {};
    count_ = 0;
}

void DuplicateIndex::Place(Slot slot) {
    const size_t mask = slots_.size() - 1;
    size_t i = slot.hash & mask;
    while (slots_[i].rowPlusOne != 0) i = (i + 1) & mask;
    slots_[i] = slot;
}

void DuplicateIndex::Grow() {
    std::vector<Slot> old = std::move(slots_);
    slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{0, 0});
    for (const Slot& s : old) {
        if (s.rowPlusOne != 0) Place(s);
    }
}

}  // namespace filelist
