#include "rename/rename_run.h"

#include <windows.h>

#include <unordered_set>

#include "rt/convert.h"
#include "rt/files.h"

namespace renamer {
namespace {

// The name a path comes to on the disk, so that two spellings of one file
// ("." and "..", trailing blanks and dots, letter case) give one key.
std::string NameKey(const std::string& path) {
    char full[MAX_PATH];
    const DWORD length = rt::NameablePath(path) ? GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr) : 0;
    return rt::UCase(length > 0 && length < MAX_PATH ? std::string(full, length) : path);
}

// One pass of renames. A path that names a file this pass has already put in
// place holds another row's file (a listed path that is also one of the run's
// names, such as a missing file listed under a temporary name): that row is
// left out, so no file is renamed by a row that is not its own.
class RenamePass {
public:
    bool Rename(const std::string& from, const std::string& to) {
        if (placed_.count(NameKey(from)) || rt::RenameFile(from, to)) return false;
        placed_.insert(NameKey(to));
        return true;
    }

private:
    std::unordered_set<std::string> placed_;
};

}  // namespace

void RenameFiles(const std::vector<std::string>& rows, const std::string& folder, const RenameSettings& settings) {
    const RenamePlan plan = PlanRename(rows, folder, settings);
    if (!plan.collision) {
        RenamePass pass;
        for (std::size_t k = 0; k < rows.size(); ++k) pass.Rename(rows[k], plan.rows[k].newName);
        return;
    }
    std::vector<bool> parked(rows.size());
    RenamePass passA;
    for (std::size_t k = 0; k < rows.size(); ++k) parked[k] = passA.Rename(rows[k], plan.rows[k].tempName);
    RenamePass passB;
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (parked[k]) passB.Rename(plan.rows[k].tempName, plan.rows[k].newName);
}

}  // namespace renamer
