// The show's order of rows, the centring of a picture and its caption.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <vector>

#include "lumatra/slide_show.h"

namespace {

std::vector<int> Rows(lumatra::SlideOrder& order, int count, int steps) {
    std::vector<int> rows;
    for (int k = 0; k < steps; ++k) rows.push_back(order.Next(count));
    return rows;
}

TEST(SlideOrder, ListOrderRunsOnceOrLoopsReadingTheCountPerPass) {
    lumatra::SlideOrder once(false, false, 1);
    EXPECT_EQ(Rows(once, 3, 5), (std::vector<int>{1, 2, 3, 0, 0}));
    lumatra::SlideOrder single(false, false, 1);
    EXPECT_EQ(Rows(single, 1, 2), (std::vector<int>{1, 0}));

    lumatra::SlideOrder looping(false, true, 1);
    EXPECT_EQ(Rows(looping, 2, 5), (std::vector<int>{1, 2, 1, 2, 1}));
    // A count read in mid-pass does not change the pass; the next pass takes it.
    EXPECT_EQ(Rows(looping, 3, 5), (std::vector<int>{2, 1, 2, 3, 1}));
}

// Random order ignores the loop flag, never ends, repeats, and reaches
// every row.
TEST(SlideOrder, RandomOrderStaysWithinTheRowsAndNeverEnds) {
    for (int count : {1, 2, 7}) {
        lumatra::SlideOrder order(true, false, 12345);
        std::set<int> seen;
        for (int k = 0; k < 2000; ++k) {
            const int row = order.Next(count);
            ASSERT_GE(row, 1);
            ASSERT_LE(row, count);
            seen.insert(row);
        }
        EXPECT_EQ(static_cast<int>(seen.size()), count);
    }
}

TEST(SlideOrder, ARandomNumberJustBelowOneIsTheLastRow) {
    const double justBelowOne = std::nextafter(1.0, 0.0);
    for (int count : {1, 3, 1000003}) {
        EXPECT_EQ(lumatra::RandomRow(0.0, count), 1);
        EXPECT_EQ(lumatra::RandomRow(justBelowOne, count), count) << count;
    }
    EXPECT_EQ(lumatra::RandomRow(0.5, 4), 3);
}

TEST(SlidePlacement, CentresSmallAndLargePictures) {
    // A 1024 x 768 pixel screen in twips.
    EXPECT_DOUBLE_EQ(lumatra::CentredPosition(15360, 1500), 6930);
    EXPECT_DOUBLE_EQ(lumatra::CentredPosition(11520, 11520), 0);
    // Larger than the screen: cut off evenly on both sides.
    EXPECT_DOUBLE_EQ(lumatra::CentredPosition(15360, 60000), -22320);
    // Odd sizes keep their half twip.
    EXPECT_DOUBLE_EQ(lumatra::CentredPosition(15360, 15), 7672.5);
}

TEST(SlideCaption, IsThePathAndTheKeyHelp) {
    EXPECT_EQ(lumatra::SlideCaption("C:\\Pictures\\a.jpg"), "C:\\Pictures\\a.jpg  [p=pause, Lmouse=end, Rmouse=next]");
}

}  // namespace
