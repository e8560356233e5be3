#pragma once
// The rename run: every listed file to its new name, in list order.
#include <string>
#include <vector>

#include "rename/rename_names.h"

namespace renamer {

// Renames row k's file to its new name (see PlanRename); a row from another
// folder moves into folder. When a new name is a listed path, the files go
// through their temporary names in two passes, and a file whose first rename
// did not happen is left out of the second, so a file outside the list that
// carries a temporary name is never touched. Within a pass, a row whose path
// names a file that pass has already renamed into place is left out: that
// file is another row's. A rename onto a name that is taken fails and that
// file keeps its name: nothing is overwritten. Failures are skipped
// silently; nothing is rolled back.
void RenameFiles(const std::vector<std::string>& rows, const std::string& folder, const RenameSettings& settings);

}  // namespace renamer
