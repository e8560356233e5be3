#pragma once
// The order of many texts as the platform compares them (ignoring case), found
// through sort keys made once per text: comparing two keys byte by byte gives
// the comparison's answer for the two texts, far faster than comparing them.
#include <functional>
#include <string>
#include <vector>

namespace rt {

// order[i] is the index of the text that goes to place i; texts that compare
// equal keep their order.
std::vector<int> TextOrder(int count, const std::function<std::string(int index)>& textOf, bool descending = false);

}  // namespace rt
