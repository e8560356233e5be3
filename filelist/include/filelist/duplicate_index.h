#pragma once
// The duplicate test of the file list: is a path already listed, compared
// in upper case? An index of the rows by a hash of their upper-cased path
// gives the answer of comparing with every row, without a second copy of
// every path: a hash match is confirmed by comparing with that row itself.
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace filelist {

class DuplicateIndex {
public:
    using HashFunction = std::uint32_t (*)(const std::string& upperCased);
    // FNV-1a over the bytes.
    static std::uint32_t UpperCaseHash(const std::string& upperCased);

    explicit DuplicateIndex(HashFunction hash = UpperCaseHash) : hash_(hash) {}

    std::uint32_t HashOf(const std::string& upperCased) const { return hash_(upperCased); }
    // Is there a row of this hash for which sameRow(row) holds?
    bool Contains(std::uint32_t hash, const std::function<bool(int row)>& sameRow) const;
    // A row of this hash now stands at index row; the rows from there on
    // have moved one on.
    void Insert(std::uint32_t hash, int row);
    // The rows have moved: the row at old index i is now at newIndex[i], or
    // gone when that is -1.
    void Renumber(const std::vector<int>& newIndex);
    void Clear();

private:
    struct Slot {
        std::uint32_t hash;
        std::uint32_t rowPlusOne;  // 0: empty slot
    };
    void Place(Slot slot);
    void Grow();

    HashFunction hash_;
    std::vector<Slot> slots_;  // open addressing, a power of two long
    int count_ = 0;
};

}  // namespace filelist
