#include "rename/rename_run.h"

#include "rt/files.h"

namespace renamer {
namespace {

bool Renamed(const std::string& from, const std::string& to) { return !rt::RenameFile(from, to); }

}  // namespace

void RenameFiles(const std::vector<std::string>& rows, const std::string& folder, const RenameSettings& settings) {
    const RenamePlan plan = PlanRename(rows, folder, settings);
    if (!plan.collision) {
        for (std::size_t k = 0; k < rows.size(); ++k) rt::RenameFile(rows[k], plan.rows[k].newName);
        return;
    }
    std::vector<bool> parked(rows.size());
    for (std::size_t k = 0; k < rows.size(); ++k) parked[k] = Renamed(rows[k], plan.rows[k].tempName);
    for (std::size_t k = 0; k < rows.size(); ++k)
        if (parked[k]) Renamed(plan.rows[k].tempName, plan.rows[k].newName);
}

}  // namespace renamer
