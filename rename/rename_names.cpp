#include "rename/rename_names.h"

#include <unordered_set>

#include "filelist/file_ending.h"
#include "rt/convert.h"

namespace renamer {
namespace {

bool AnyNewNameListed(const std::vector<std::string>& rows, const std::vector<RowNames>& names) {
    std::unordered_set<std::string> listed;
    listed.reserve(rows.size());
    for (const std::string& row : rows) listed.insert(rt::UCase(row));
    for (const RowNames& n : names)
        if (listed.count(rt::UCase(n.newName))) return true;
    return false;
}

}  // namespace

std::string NumberText(long long n, std::size_t width) {
    std::string text = std::to_string(n);
    if (text.size() < width) text.insert(0, width - text.size(), '0');
    return text;
}

RenamePlan PlanRename(const std::vector<std::string>& rows, const std::string& folder,
                      const RenameSettings& settings) {
    RenamePlan plan;
    plan.rows.reserve(rows.size());
    long long number = settings.start;
    for (const std::string& row : rows) {
        const std::string tail = NumberText(number++, settings.width) + filelist::FileEnding(row);
        plan.rows.push_back({folder + settings.prefix + tail, folder + "rn~" + tail});
    }
    plan.collision = AnyNewNameListed(rows, plan.rows);
    return plan;
}

}  // namespace renamer
