#include "rt/text_compare.h"

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <memory>
#include <numeric>
#include <utility>

namespace rt {
namespace {

// Sort keys of many texts, kept in large blocks that never move, so growing
// never holds two copies.
class SortKeys {
public:
    const char* Add(const std::string& text) {
        const int size = LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                                      static_cast<int>(text.size()), nullptr, 0);
        const size_t need = static_cast<size_t>(size > 0 ? size : 0) + 1;
        if (blocks_.empty() || used_ + need > blockSize_) {
            blockSize_ = std::max(kBlockSize, need);
            blocks_.push_back(std::make_unique<char[]>(blockSize_));
            used_ = 0;
        }
        char* key = blocks_.back().get() + used_;
        if (size > 0)
            LCMapStringA(LOCALE_USER_DEFAULT, LCMAP_SORTKEY | NORM_IGNORECASE, text.data(),
                         static_cast<int>(text.size()), key, size);
        key[need - 1] = '\0';  // an empty text, whose key the platform refuses, sorts first
        used_ += need;
        return key;
    }

private:
    static constexpr size_t kBlockSize = 256 * 1024;
    std::vector<std::unique_ptr<char[]>> blocks_;
    size_t blockSize_ = 0;
    size_t used_ = 0;
};

}  // namespace

std::vector<int> TextOrder(int count, const std::function<std::string(int index)>& textOf, bool descending) {
    const size_t n = static_cast<size_t>(count > 0 ? count : 0);
    SortKeys keys;
    std::vector<const char*> key(n);
    for (size_t i = 0; i < n; ++i) key[i] = keys.Add(textOf(static_cast<int>(i)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
        const int c = std::strcmp(key[static_cast<size_t>(a)], key[static_cast<size_t>(b)]);
        return descending ? c > 0 : c < 0;
    });
    return order;
}

void SortIgnoringCase(std::vector<std::string>& names) {
    const std::vector<int> order =
        TextOrder(static_cast<int>(names.size()), [&](int i) { return names[static_cast<size_t>(i)]; });
    std::vector<std::string> sorted;
    sorted.reserve(names.size());
    for (int i : order) sorted.push_back(std::move(names[static_cast<size_t>(i)]));
    names = std::move(sorted);
}

}  // namespace rt
