#include "glimtor/file_exists.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "rt/files.h"
#include "testkit/temp_folder.h"

using modWin32Api::FileExists;
using namespace std::string_literals;

namespace {

class FileExistsTest : public ::testing::Test {
protected:
    std::string MakeFile(const std::string& name, const std::string& content) { return folder_.Write(name, content); }

    // Files left in the folder, found by a listing of it.
    int FilesInFolder() const { return static_cast<int>(rt::ListDirectory(dir_ + "\\*", rt::kListNormal).size()); }

    testkit::TempFolder folder_;
    const std::string& dir_ = folder_.Path();
};

}  // namespace

TEST_F(FileExistsTest, TrueForFilesThatOpenForReading) {
    const std::string picture = MakeFile("picture.jpg", "not really a picture");
    EXPECT_TRUE(FileExists(picture));
    EXPECT_TRUE(FileExists(MakeFile("empty.txt", "")));
    // A file is left free: it can be deleted straight away.
    EXPECT_TRUE(DeleteFileA(picture.c_str()));
}

TEST_F(FileExistsTest, FalseForWhatIsNoReadableFileAndCreatesNothing) {
    const std::string picture = MakeFile("picture.jpg", "x");
    const std::string cases[] = {
        "",
        dir_ + "\\missing.jpg",
        dir_,
        dir_ + "\\",
        "\"" + picture + "\"",
        picture + "\0.txt"s,
        testkit::PathWrappingTo(picture),
        dir_ + "\\*.jpg",
        "Q:\\\x01<>|",
    };
    for (const auto& path : cases) EXPECT_FALSE(FileExists(path)) << path;
    EXPECT_EQ(FilesInFolder(), 1);
}

TEST_F(FileExistsTest, FalseForAFileHeldOpenWithoutReadSharing) {
    const std::string path = MakeFile("locked.txt", "x");
    HANDLE held = CreateFileA(path.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_FALSE(FileExists(path));
    CloseHandle(held);

    // Held for writing but shared for reading, it still exists.
    held = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    EXPECT_TRUE(FileExists(path));
    CloseHandle(held);
}
