#include "filelist/file_ending.h"

#include <gtest/gtest.h>

namespace {

TEST(FileEnding, TakesTheFirstDotOfTheFileNameForTheEndingAndTheTypeCell) {
    const struct {
        const char* path;
        const char* ending;
        const char* type;
    } cases[] = {
        {"C:\\Photos\\a.jpg", ".jpg", "jpg"},
        {"C:\\Photos\\b.JPG", ".JPG", "jpg"},
        {"C:\\Music\\Live.Set.MP3", ".Set.MP3", "set.mp3"},
        {"C:\\Old.Files\\a.txt", ".txt", "txt"},         // a dot in a folder does not count
        {"C:\\Old.Files\\README", "", "{unknown}"},
        {"C:\\Old.Files/a.b.c", ".b.c", "b.c"},
        {"C:\\x\\trailing.", ".", ""},
        {"C:\\x\\.profile", ".profile", "profile"},
        {"plain.Name", ".Name", "name"},
        {"", "", "{unknown}"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path);
        EXPECT_EQ(filelist::FileEnding(c.path), c.ending);
        EXPECT_EQ(filelist::TypeCellText(c.path), c.type);
    }
}

}  // namespace
