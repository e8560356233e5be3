// The names the file commands take from the entry and the user's answers.
#include "glimtor/file_names.h"

#include <gtest/gtest.h>

namespace {

using namespace glimtor;

TEST(FileNamesTest, RenameTargetIsTheTrimmedAnswerUnlessEmptyOrTheFolder) {
    const std::string folder = "C:\\Photos\\";
    EXPECT_EQ(RenameTarget("C:\\Photos\\b.jpg", folder), "C:\\Photos\\b.jpg");
    EXPECT_EQ(RenameTarget("  C:\\Other\\b.jpg  ", folder), "C:\\Other\\b.jpg");
    EXPECT_EQ(RenameTarget("b.jpg", folder), "b.jpg");
    for (const char* none : {"", "   ", "C:\\Photos\\", " C:\\Photos\\ "}) EXPECT_EQ(RenameTarget(none, folder), std::nullopt) << none;
    // The comparison with the folder is exact.
    EXPECT_EQ(RenameTarget("c:\\photos\\", folder), "c:\\photos\\");
}

TEST(FileNamesTest, BitmapNameAndByteCopy) {
    EXPECT_EQ(BitmapNameFor("holiday.photo.jpg"), "holiday.bmp");
    EXPECT_EQ(BitmapNameFor("scan.BMP"), "scan.bmp");
    EXPECT_EQ(BitmapNameFor("noending"), "noending.bmp");
    for (const char* copied : {"a.bmp", "a.BMP", "a.Bmp", "abmp", "bmp"}) EXPECT_TRUE(IsBitmapEntry(copied)) << copied;
    for (const char* written : {"a.jpg", "a.bmp.gif", "bm", ""}) EXPECT_FALSE(IsBitmapEntry(written)) << written;
}

}  // namespace
