#pragma once
// The duplicate test of the file list: is a path already listed, compared
// in upper case? An index of the rows by a hash of their upper-cased path
// gives the answer of comparing with every row, without a second copy of
// every path: a hash match is confirmed by comparing with that row itself.
// Rows of one path share one slot, so that a path listed many times costs
// what distinct paths cost.
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

    // hashOfRow gives the hash of the row at an index, for placing the rows
    // anew after they have moved; sameRows tells whether two rows hold one path.
    DuplicateIndex(HashFunction hash, std::function<std::uint32_t(int row)> hashOfRow,
                   std::function<bool(int row, int other)> sameRows)
        : hash_(hash), hashOfRow_(std::move(hashOfRow)), sameRows_(std::move(sameRows)) {}

    std::uint32_t HashOf(const std::string& upperCased) const { return hash_(upperCased); }
    // Is there a row of this hash for which sameRow(row) holds?
    bool Contains(std::uint32_t hash, const std::function<bool(int row)>& sameRow) const;
    // A row of this hash now stands at index row; the rows from there on
    // have moved one on.
    void Insert(std::uint32_t hash, int row);
    // The rows have changed places: the row at old index i is now at
    // newIndex[i]. A slot's place depends only on its hash, so it stays.
    void Renumber(const std::vector<int>& newIndex);
    // Some rows have gone: count rows are left.
    void Rebuild(int count);
    void Clear();

private:
    // A slot stands for one path: the index plus one of one of its rows in
    // its low bits (0: empty) and a few bits of its hash in the high ones, so
    // that most rows of another path are passed over without being read;
    // four bytes a slot. 64 million rows are more than a list can hold in
    // memory.
    static constexpr int kRowBits = 26;
    static constexpr std::uint32_t kRowMask = (1u << kRowBits) - 1;
    static std::uint32_t Tag(std::uint32_t hash) { return hash >> kRowBits << kRowBits; }
    // The slot of a row of this hash for which sameRow holds, or else the
    // empty slot where the search ended.
    size_t Probe(std::uint32_t hash, const std::function<bool(int row)>& sameRow) const;
    // Gives the row a slot, unless a row of its path has one.
    void Place(std::uint32_t hash, int row);
    // Places the rows 0 to count - 1 anew.
    void Resize(size_t slots, int count);

    HashFunction hash_;
    std::function<std::uint32_t(int row)> hashOfRow_;
    std::function<bool(int row, int other)> sameRows_;
    std::vector<std::uint32_t> slots_;  // open addressing, a power of two long
    int rows_ = 0;
    size_t used_ = 0;  // slots taken: one a path
};

}  // namespace filelist
