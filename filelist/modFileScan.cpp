#include "filelist/modFileScan.h"

#include <optional>
#include <string>
#include <vector>

#include "rt/events.h"
#include "rt/files.h"
#include "rt/paths.h"

namespace modFileScan {

FileScanLists FileScanResult;

void ResetFileScan() {
    FileScanResult.colNames.clear();
    FileScanResult.colPaths.clear();
    FileScanResult.colFacts.clear();
}

namespace {

// A folder the scan is inside of, from its start down to the folder being
// scanned. Its identity costs an open, so it is found only once a link asks.
struct FolderInside {
    std::string path;
    std::optional<rt::FileIdentity> identity;
    bool looked = false;
};
using FoldersInside = std::vector<FolderInside>;

// Only a link can lead back up the tree; one whose target cannot be told
// apart is passed over as well, as it might. target: the link's identity.
bool LeadsBackUp(const std::string& link, FoldersInside& inside, std::optional<rt::FileIdentity>& target) {
    rt::FileIdentity identity;
    if (!rt::IdentityOf(link, identity)) return true;
    target = identity;
    for (FolderInside& folder : inside) {
        if (!folder.looked) {
            rt::FileIdentity id;
            if (rt::IdentityOf(folder.path, id)) folder.identity = id;
            folder.looked = true;
        }
        if (folder.identity == identity) return true;
    }
    return false;
}

struct Subfolder {
    std::string path;
    bool link;
};

void ScanFolder(const std::vector<std::string>& colPatterns, bool bolRecurse, FoldersInside& inside) {
    const std::string strPath = inside.back().path;
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

    std::vector<Subfolder> subfolders;
    for (const rt::DirEntry& entry :
         rt::ListDirectory(strPath + "*.*", rt::kListHidden | rt::kListSystem | rt::kListFolders)) {
        // A full stop anywhere keeps the name out: ".", ".." and "release.old" alike.
        if (entry.name.find('.') == std::string::npos) {
            // The attributes of strPath & name: the listing's, where they are that path's.
            DWORD attributes = entry.attributes;
            const std::string path = strPath + entry.name;
            if (rt::ListingSpeaksFor(strPath, entry) || rt::FileAttributes(path, attributes)) {
                if (attributes & FILE_ATTRIBUTE_DIRECTORY)
                    subfolders.push_back({path, (attributes & FILE_ATTRIBUTE_REPARSE_POINT) != 0});
            }
            rt::DoEvents();
        }
        rt::DoEvents();
    }
    for (const Subfolder& subfolder : subfolders) {
        std::optional<rt::FileIdentity> identity;
        if (!subfolder.link || !LeadsBackUp(subfolder.path, inside, identity)) {
            inside.push_back({subfolder.path + "\\", identity, identity.has_value()});
            ScanFolder(colPatterns, bolRecurse, inside);
            inside.pop_back();
        }
        rt::DoEvents();
    }
}

}  // namespace

void ScanFiles(std::string strPath, const std::vector<std::string>& colPatterns, bool bolRecurse) {
    FoldersInside inside{{rt::WithBackslash(strPath), std::nullopt, false}};
    ScanFolder(colPatterns, bolRecurse, inside);
}

}  // namespace modFileScan
