// The rename property check: random folders and lists, renamed; afterwards
// nothing may be lost and only listed files may have moved.
#include "testkit/rename_property.h"

#include <gtest/gtest.h>

#include <windows.h>

#include <cstdlib>
#include <map>
#include <random>
#include <set>
#include <string>
#include <vector>

#include "rename/rename_names.h"
#include "rename/rename_run.h"
#include "testkit/file_listing.h"
#include "testkit/temp_folder.h"

namespace testkit {
namespace {

using renamer::RenamePlan;
using renamer::RenameSettings;

unsigned long EnvNumber(const char* name, unsigned long fallback) {
    const char* text = std::getenv(name);
    return text && *text ? std::strtoul(text, nullptr, 10) : fallback;
}

std::string Upper(std::string s) {
    CharUpperBuffA(s.data(), static_cast<DWORD>(s.size()));
    return s;
}

// The file a path names, whatever its spelling (letter case, a trailing blank or dot).
std::string FileKey(const std::string& path) {
    char full[MAX_PATH] = {};
    GetFullPathNameA(path.c_str(), MAX_PATH, full, nullptr);
    return Upper(full);
}

// One random folder pair and list. Files carry distinct contents; some are
// read-only; some sit on the new or temporary names of rows without being
// listed. Rows name listed files (also spelled otherwise or twice), files of
// the other folder, and missing files, some of them on the run's own names.
class RandomCase {
public:
    RandomCase(const TempFolder& base, unsigned seed) : base_(base), rng_(seed) {
        static const char* const prefixes[] = {"Pic", "p", "img_"};
        settings_ = {prefixes[Pick(3)], static_cast<long>(Pick(15)) - 2, 1 + Pick(3)};
        base_.MakeFolder("cur");
        base_.MakeFolder("other");
        for (std::size_t j = 0, n = 1 + Pick(8); j < n; ++j) {
            // Often a name that some row's new name will be.
            Create(Folder() + (Chance(40) ? RunName(settings_.prefix) : "f" + std::to_string(j)) + Ending(), true);
        }
        for (std::size_t j = 0, n = Pick(4); j < n; ++j)
            Create(base_ / ("other\\o" + std::to_string(j) + Ending()), true);

        for (std::size_t k = 0, n = 1 + Pick(10); k < n; ++k) {
            const unsigned kind = Pick(10);
            if (kind < 5 && !listable_.empty())
                rows_.push_back(Listed());
            else if (kind < 6 && !listable_.empty())
                rows_.push_back(Upper(Listed()));
            else if (kind < 7 && !listable_.empty())
                rows_.push_back(Listed() + (Chance(50) ? " " : "."));  // the same file: the platform drops these
            else if (kind < 8 && !rows_.empty())
                rows_.push_back(rows_.back());
            else if (kind < 9)
                rows_.push_back(Folder() + "gone" + std::to_string(k) + Ending());
            else
                rows_.push_back(Folder() + RunName(Chance(50) ? "rn~" : settings_.prefix) + Ending());  // missing
        }
        plan_ = renamer::PlanRename(rows_, Folder(), settings_);
        for (const auto& names : plan_.rows) {
            if (Chance(25)) Create(names.newName, false);
            if (Chance(25)) Create(names.tempName, false);
        }
    }

    std::string Folder() const { return base_ / "cur\\"; }
    const std::vector<std::string>& rows() const { return rows_; }
    const RenameSettings& settings() const { return settings_; }
    const RenamePlan& plan() const { return plan_; }

private:
    std::size_t Pick(std::size_t n) { return std::uniform_int_distribution<std::size_t>(0, n - 1)(rng_); }
    bool Chance(unsigned percent) { return Pick(100) < percent; }
    std::string Ending() {
        static const char* const endings[] = {".jpg", ".JPG", ".tar.gz", "", ".Txt"};
        return endings[Pick(5)];
    }
    // A name the run may give one of its first rows, before the ending.
    std::string RunName(const std::string& prefix) {
        return prefix + renamer::NumberText(settings_.start + static_cast<long>(Pick(10)), settings_.width);
    }
    const std::string& Listed() { return listable_[Pick(listable_.size())]; }
    // Written straight away: the folders exist, and a case writes many files.
    void Create(const std::string& path, bool listable) {
        if (!taken_.insert(FileKey(path)).second) return;
        const std::string content = "content " + std::to_string(taken_.size());
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  Chance(20) ? FILE_ATTRIBUTE_READONLY : FILE_ATTRIBUTE_NORMAL, nullptr);
        ASSERT_NE(file, INVALID_HANDLE_VALUE) << path;
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        if (listable) listable_.push_back(path);
    }

    const TempFolder& base_;
    std::mt19937 rng_;
    RenameSettings settings_;
    std::set<std::string> taken_;
    std::vector<std::string> listable_;
    std::vector<std::string> rows_;
    RenamePlan plan_;
};

std::string Describe(const RandomCase& c, const std::map<std::string, std::string>& before,
                     const std::map<std::string, std::string>& after) {
    std::string text = "prefix \"" + c.settings().prefix + "\", start " + std::to_string(c.settings().start) +
                       ", width " + std::to_string(c.settings().width) +
                       (c.plan().collision ? ", two passes" : ", one pass") + "\nrows:\n";
    for (std::size_t k = 0; k < c.rows().size(); ++k)
        text += "  \"" + c.rows()[k] + "\" -> " + c.plan().rows[k].newName + "\n";
    for (const auto* files : {&before, &after}) {
        text += files == &before ? "before:\n" : "after:\n";
        for (const auto& [path, content] : *files) text += "  " + path + ": " + content + "\n";
    }
    return text;
}

// content -> the file's key, with every content found exactly once.
std::map<std::string, std::string> WhereIs(const std::string& base, const std::map<std::string, std::string>& files) {
    std::map<std::string, std::string> where;
    for (const auto& [path, content] : files)
        EXPECT_TRUE(where.emplace(content, FileKey(base + "\\" + path)).second) << content;
    return where;
}

void CheckCase(const RandomCase& c, const std::map<std::string, std::string>& before,
               const std::map<std::string, std::string>& after, const std::string& base) {
    const auto start = WhereIs(base, before);
    const auto end = WhereIs(base, after);
    ASSERT_EQ(after.size(), before.size()) << "files lost or made";
    const auto heldByOther = [](const std::map<std::string, std::string>& where, const std::string& path,
                                const std::string& content) {
        for (const auto& [other, at] : where)
            if (at == path && other != content) return true;
        return false;
    };

    for (const auto& [content, oldPath] : start) {
        ASSERT_TRUE(end.count(content)) << content << " lost";
        const std::string& newPath = end.at(content);
        std::vector<std::size_t> listing;  // the rows that name this file
        for (std::size_t k = 0; k < c.rows().size(); ++k)
            if (FileKey(c.rows()[k]) == oldPath) listing.push_back(k);
        if (listing.empty()) {
            EXPECT_EQ(newPath, oldPath) << "a file outside the list moved";
            continue;
        }
        bool renamed = false, parked = false;
        for (std::size_t k : listing) {
            const std::string newName = FileKey(c.plan().rows[k].newName);
            renamed |= newPath == newName;
            // Only a two-pass run whose second rename found the new name taken.
            parked |= newPath == FileKey(c.plan().rows[k].tempName) && c.plan().collision &&
                      heldByOther(end, newName, content);
        }
        EXPECT_TRUE(renamed || parked || newPath == oldPath) << oldPath << " ended as " << newPath;
        if (renamed || parked || newPath != oldPath) continue;
        // Left under its old name: each of its rows found its first target
        // taken by another file, there from the start or there at the end.
        for (std::size_t k : listing) {
            const auto& names = c.plan().rows[k];
            const std::string target = FileKey(c.plan().collision ? names.tempName : names.newName);
            EXPECT_TRUE(heldByOther(start, target, content) || heldByOther(end, target, content))
                << oldPath << " was not renamed by row " << k + 1;
        }
    }
}

}  // namespace

void CheckRenameProperty() {
    using ::testing::Test;
    const unsigned long seed = EnvNumber("RENAME_PROPERTY_SEED", 1);
    const unsigned long cases = EnvNumber("RENAME_PROPERTY_CASES", 300);
    unsigned long twoPass = 0;
    for (unsigned long i = 0; i < cases && !Test::HasFailure(); ++i) {
        SCOPED_TRACE("RENAME_PROPERTY_SEED=" + std::to_string(seed + i));
        const TempFolder folder;
        const std::string& base = folder.Path();
        const RandomCase c(folder, static_cast<unsigned>(seed + i));
        if (Test::HasFailure()) break;
        const auto before = FilesBelow(base);

        renamer::RenameFiles(c.rows(), c.Folder(), c.settings());

        const auto after = FilesBelow(base);
        CheckCase(c, before, after, base);
        if (Test::HasFailure()) ADD_FAILURE() << Describe(c, before, after);
        twoPass += c.plan().collision;
    }
    // Both kinds of run must have been tried for the cases to mean anything.
    if (cases >= 100) {
        EXPECT_GT(twoPass, cases / 10);
        EXPECT_LT(twoPass, cases - cases / 10);
    }
}

}  // namespace testkit
