#pragma once
// The names a rename run gives its rows: each row's new name and its
// temporary "rn~" name, and whether any new name is already a listed path.
#include <cstddef>
#include <string>
#include <vector>

namespace renamer {

// The run's parameters as the dialog's fields give them.
struct RenameSettings {
    std::string prefix;      // blanks removed at both ends
    long start = 1;          // the first row's number
    std::size_t width = 0;   // numbers are padded with "0" to this many characters
};

// The decimal text of n (a negative n keeps its "-"), padded on the left with
// "0" to width characters; a longer text is never cut.
std::string NumberText(long long n, std::size_t width);

struct RowNames {
    std::string newName;   // folder & prefix & number & ending
    std::string tempName;  // folder & "rn~" & number & ending
};

struct RenamePlan {
    std::vector<RowNames> rows;  // in the order of the rows given
    // Some new name equals a listed path, letter case ignored (the row's own
    // path included): the run must go through the temporary names.
    bool collision = false;
};

// Row k (from 0) gets the number start + k; its ending is the one its own
// path has. folder ends in "\".
RenamePlan PlanRename(const std::vector<std::string>& rows, const std::string& folder,
                      const RenameSettings& settings);

}  // namespace renamer
