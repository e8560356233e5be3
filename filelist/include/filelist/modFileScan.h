#pragma once
// The recursive file scan behind "Add Recurse": the files of a folder that
// match a list of patterns, then those of each subfolder, depth-first.
#include <string>
#include <vector>

#include "filelist/row_cells.h"

namespace modFileScan {

// The found files in the order found: entry i of both lists is one file.
struct FileScanLists {
    std::vector<std::string> colNames;  // name and extension, no folder
    std::vector<std::string> colPaths;  // the file's folder, ending in "\"
    // What the listing returned of the file, so adding it needs no query.
    std::vector<filelist::FileFacts> colFacts;
};

// The last scan's files; kept until the next ResetFileScan.
extern FileScanLists FileScanResult;

void ResetFileScan();

// Appends every file of strPath that matches one of the patterns (normal,
// hidden and system files), pattern by pattern in the listing's order; with
// bolRecurse then the same for each subfolder, in the listing's order. A
// name holding a full stop is never descended into; links to folders are,
// except one back to a folder the scan is inside of, which would loop (the
// platform's file identity tells; a link whose target it cannot tell is
// passed over too). Yields to pending window events
// after every file found, every pattern, every entry of a folder listing
// (twice for names without a full stop) and every subfolder. Folders that
// cannot be listed are passed over.
void ScanFiles(std::string strPath, const std::vector<std::string>& colPatterns, bool bolRecurse);

}  // namespace modFileScan
