#include "rename/rename_names.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using renamer::PlanRename;
using renamer::RenameSettings;

const std::string kFolder = "C:\\Photos\\";

std::vector<std::string> Rows(std::size_t count) {
    std::vector<std::string> rows;
    for (std::size_t k = 0; k < count; ++k) rows.push_back(kFolder + "f" + std::to_string(k) + ".jpg");
    return rows;
}

TEST(PlanRename, NumbersTheRowsFromTheStartPaddedToTheWidth) {
    const struct {
        long start;
        std::size_t width, rows;
        std::vector<std::string> numbers;
    } cases[] = {
        {1, 2, 9, {"01", "02", "03", "04", "05", "06", "07", "08", "09"}},
        {1, 2, 12, {"01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "11", "12"}},
        {1, 1, 12, {"1", "2", "3", "4", "5", "6", "7", "8", "9", "10", "11", "12"}},
        {7, 3, 3, {"007", "008", "009"}},
        {-1, 2, 3, {"-1", "00", "01"}},
        {-1, 3, 2, {"0-1", "000"}},  // the whole text is padded, sign and all
        {99, 1, 2, {"99", "100"}},   // never cut
        {2147483647, 1, 2, {"2147483647", "2147483648"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("start " + std::to_string(c.start) + ", width " + std::to_string(c.width));
        const auto plan = PlanRename(Rows(c.rows), kFolder, {"Pic", c.start, c.width});
        ASSERT_EQ(plan.rows.size(), c.numbers.size());
        for (std::size_t k = 0; k < c.numbers.size(); ++k) {
            EXPECT_EQ(plan.rows[k].newName, kFolder + "Pic" + c.numbers[k] + ".jpg");
            EXPECT_EQ(plan.rows[k].tempName, kFolder + "rn~" + c.numbers[k] + ".jpg");
        }
    }
}

TEST(PlanRename, KeepsEachRowsEndingAndNamesEveryFileInTheFolder) {
    const auto plan = PlanRename({"C:\\Photos\\a.jpg", "C:\\Photos\\b.JPG", "C:\\Photos\\noending",
                                  "D:\\Other.Place\\c.tar.gz", "C:\\Photos\\a.jpg"},
                                 kFolder, {"sub\\Pic", 1, 2});
    const char* expected[][2] = {
        {"C:\\Photos\\sub\\Pic01.jpg", "C:\\Photos\\rn~01.jpg"},
        {"C:\\Photos\\sub\\Pic02.JPG", "C:\\Photos\\rn~02.JPG"},
        {"C:\\Photos\\sub\\Pic03", "C:\\Photos\\rn~03"},
        {"C:\\Photos\\sub\\Pic04.tar.gz", "C:\\Photos\\rn~04.tar.gz"},
        {"C:\\Photos\\sub\\Pic05.jpg", "C:\\Photos\\rn~05.jpg"},
    };
    ASSERT_EQ(plan.rows.size(), std::size(expected));
    for (std::size_t k = 0; k < plan.rows.size(); ++k) {
        EXPECT_EQ(plan.rows[k].newName, expected[k][0]);
        EXPECT_EQ(plan.rows[k].tempName, expected[k][1]);
    }
    EXPECT_FALSE(plan.collision);
}

TEST(PlanRename, FindsANewNameThatIsAListedPathInAnyLetterCase) {
    const struct {
        std::vector<std::string> rows;
        long start;
        bool collision;
    } cases[] = {
        {{"C:\\Photos\\a.jpg", "C:\\Photos\\b.jpg"}, 1, false},
        {{"C:\\Photos\\Pic01.jpg", "C:\\Photos\\Pic02.jpg"}, 1, true},  // a re-run
        {{"C:\\Photos\\Pic02.jpg", "C:\\Photos\\Pic01.jpg"}, 1, true},  // a swap
        {{"C:\\PHOTOS\\PIC01.JPG"}, 1, true},
        {{"C:\\Photos\\a.jpg", "C:\\Photos\\pic01.jpg"}, 1, true},       // a later row's path
        {{"C:\\Photos\\a.jpg", "C:\\Other\\Pic02.jpg"}, 1, false},       // its name, elsewhere
        {{"C:\\Photos\\Pic05.jpg"}, 4, false},
        {{"C:\\Photos\\Pic05.jpg"}, 5, true},                             // its own name
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.rows.front() + ", start " + std::to_string(c.start));
        EXPECT_EQ(PlanRename(c.rows, kFolder, {"Pic", c.start, 2}).collision, c.collision);
    }
}

}  // namespace
