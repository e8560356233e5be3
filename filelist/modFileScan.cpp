#include "filelist/modFileScan.h"

#include "rt/events.h"
#include "rt/files.h"

namespace modFileScan {

FileScanLists FileScanResult;

void ResetFileScan() {
    FileScanResult.colNames.clear();
    FileScanResult.colPaths.clear();
    FileScanResult.colFacts.clear();
}

namespace {

// A folder, but not a link to one: a link back to an ancestor would loop.
bool IsFolderToEnter(DWORD attributes) {
    return (attributes & FILE_ATTRIBUTE_DIRECTORY) && !(attributes & FILE_ATTRIBUTE_REPARSE_POINT);
}

}  // namespace

void ScanFiles(std::string strPath, const std::vector<std::string>& colPatterns, bool bolRecurse) {
    if (strPath.empty() || strPath.back() != '\\') strPath += '\\';
    // Each listing is read whole and closed before anything else runs, so
    // handlers that run during the yields never meet an open listing of ours.
    for (const std::string& pattern : colPatterns) {
        for (rt::DirEntry& file : rt::ListDirectory(strPath + pattern, rt::kListHidden | rt::kListSystem)) {
            FileScanResult.colFacts.push_back(filelist::ListedFileFacts(strPath, file));
            FileScanResult.colNames.push_back(std::move(file.name));
            FileScanResult.colPaths.push_back(strPath);
            rt::DoEvents();
        }
        rt::DoEvents();
    }
    if (!bolRecurse) return;

    // The entry's attributes come with the listing; an entry that vanished
    // since is simply found empty when its turn comes.
    std::vector<std::string> subfolders;
    for (const rt::DirEntry& entry :
         rt::ListDirectory(strPath + "*.*", rt::kListHidden | rt::kListSystem | rt::kListFolders)) {
        // A full stop anywhere keeps the name out: ".", ".." and "release.old" alike.
        if (entry.name.find('.') == std::string::npos) {
            if (IsFolderToEnter(entry.attributes)) subfolders.push_back(strPath + entry.name);
            rt::DoEvents();
        }
        rt::DoEvents();
    }
    for (const std::string& subfolder : subfolders) {
        ScanFiles(subfolder, colPatterns, bolRecurse);
        rt::DoEvents();
    }
}

}  // namespace modFileScan
