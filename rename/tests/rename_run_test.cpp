#include "rename/rename_run.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "testkit/file_listing.h"
#include "rt/files.h"
#include "testkit/temp_folder.h"

namespace {

using Files = std::map<std::string, std::string>;  // path below the tree -> content

struct Scenario {
    const char* what;
    Files before;
    std::vector<std::string> rows;  // below the tree; the current folder is "cur\"
    const char* prefix;
    Files after;
};

// Paths are relative to the tree; the current folder is cur\, the other one other\.
const Scenario kScenarios[] = {
    {"one pass, endings kept",
     {{"cur\\a.jpg", "A"}, {"cur\\b.JPG", "B"}, {"cur\\c", "C"}},
     {"cur\\a.jpg", "cur\\b.JPG", "cur\\c"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.JPG", "B"}, {"cur\\Pic03", "C"}}},
    {"a re-run ends under the same names",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}},
     {"cur\\Pic01.jpg", "cur\\Pic02.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}}},
    {"a swap goes through the temporary names",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}},
     {"cur\\Pic02.jpg", "cur\\Pic01.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "B"}, {"cur\\Pic02.jpg", "A"}}},
    {"a new name taken outside the list: that file stays, no number shifts",
     {{"cur\\a.jpg", "A"}, {"cur\\b.jpg", "B"}, {"cur\\c.jpg", "C"}, {"cur\\Pic02.jpg", "X"}},
     {"cur\\a.jpg", "cur\\b.jpg", "cur\\c.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\b.jpg", "B"}, {"cur\\Pic03.jpg", "C"}, {"cur\\Pic02.jpg", "X"}}},
    {"a path listed twice: the second row finds it gone",
     {{"cur\\a.jpg", "A"}, {"cur\\b.jpg", "B"}},
     {"cur\\a.jpg", "cur\\b.jpg", "cur\\a.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}}},
    {"a row from another folder moves into the current one",
     {{"cur\\a.jpg", "A"}, {"other\\b.jpg", "B"}},
     {"cur\\a.jpg", "other\\b.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}}},
    {"a prefix naming an existing subfolder moves the files into it",
     {{"cur\\a.jpg", "A"}, {"cur\\b.png", "B"}, {"cur\\sub\\keep.txt", "K"}},
     {"cur\\a.jpg", "cur\\b.png"},
     "sub\\Pic",
     {{"cur\\sub\\Pic01.jpg", "A"}, {"cur\\sub\\Pic02.png", "B"}, {"cur\\sub\\keep.txt", "K"}}},
    {"a prefix naming a missing subfolder renames nothing",
     {{"cur\\a.jpg", "A"}, {"cur\\b.png", "B"}},
     {"cur\\a.jpg", "cur\\b.png"},
     "sub\\Pic",
     {{"cur\\a.jpg", "A"}, {"cur\\b.png", "B"}}},
    {"a file whose temporary name is taken keeps its name; the other file is not touched",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\b.jpg", "B"}, {"cur\\rn~02.jpg", "X"}},
     {"cur\\Pic01.jpg", "cur\\b.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\b.jpg", "B"}, {"cur\\rn~02.jpg", "X"}}},
    {"a missing row in a two-pass run leaves a file on its temporary name alone",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\rn~02.jpg", "X"}},
     {"cur\\Pic01.jpg", "cur\\gone.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\rn~02.jpg", "X"}}},
    {"a new name taken in the second pass: that file stays under its temporary name",
     {{"cur\\Pic02.jpg", "A"}, {"cur\\b.jpg", "B"}, {"cur\\Pic01.jpg", "X"}},
     {"cur\\Pic02.jpg", "cur\\b.jpg"},
     "Pic",
     {{"cur\\rn~01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}, {"cur\\Pic01.jpg", "X"}}},
    {"a missing row listed under another row's temporary name does not take that row's file",
     {{"cur\\Pic02.jpg", "A"}, {"cur\\b.jpg", "B"}},
     {"cur\\Pic02.jpg", "cur\\b.jpg", "cur\\rn~01.jpg"},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}, {"cur\\Pic02.jpg", "B"}}},
    {"a missing row spelling another row's new name otherwise does not take that row's file",
     {{"cur\\a.jpg", "A"}},
     {"cur\\a.jpg", "cur\\Pic01.jpg "},
     "Pic",
     {{"cur\\Pic01.jpg", "A"}}},
};

TEST(RenameFiles, RenamesTheListedFilesAndNeverAnyOther) {
    for (const Scenario& s : kScenarios) {
        SCOPED_TRACE(s.what);
        const testkit::TempFolder tree;
        for (const auto& [path, content] : s.before) tree.Write(path, content);
        tree.MakeFolder("other");
        std::vector<std::string> rows;
        for (const std::string& row : s.rows) rows.push_back(tree / row);

        renamer::RenameFiles(rows, tree / "cur\\", {s.prefix, 1, 2});

        EXPECT_EQ(testkit::FilesBelow(tree.Path()), s.after);
    }
}

// A row up to the path limit is renamed; one past it, and one whose length
// wraps round to another file's path, are missing files: no file takes
// their new names.
TEST(RenameFiles, RowsPastThePathLimitRenameNoFile) {
    const testkit::TempFolder tree;
    const std::string atLimit = tree.NameForPathLength(rt::kLongestPath);
    const std::string pastLimit = tree.NameForPathLength(rt::kLongestPath + 1);
    tree.Write(atLimit, "at");
    tree.Write(pastLimit, "past");
    tree.Write("cur\\victim.txt", "V");
    tree.Write("cur\\a.txt", "A");
    const std::vector<std::string> rows = {testkit::PathWrappingTo(tree / "cur\\victim.txt"), tree / atLimit,
                                           tree / pastLimit, tree / "cur\\a.txt"};

    renamer::RenameFiles(rows, tree / "cur\\", {"Pic", 1, 2});

    EXPECT_EQ(testkit::FilesBelow(tree.Path()),
              (Files{{"cur\\victim.txt", "V"}, {"cur\\Pic02", "at"}, {pastLimit, "past"}, {"cur\\Pic04.txt", "A"}}));
}

}  // namespace
