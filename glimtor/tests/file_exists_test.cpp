#include "glimtor/file_exists.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

using modWin32Api::FileExists;
using namespace std::string_literals;

namespace {

class FileExistsTest : public ::testing::Test {
protected:
    void SetUp() override {
        char temp[MAX_PATH];
        ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
        dir_ = std::string(temp) + "fileexists" + std::to_string(GetCurrentProcessId());
        ASSERT_TRUE(CreateDirectoryA(dir_.c_str(), nullptr));
    }
    void TearDown() override {
        for (const char* name : {"\\picture.jpg", "\\empty.txt", "\\locked.txt"}) DeleteFileA((dir_ + name).c_str());
        RemoveDirectoryA(dir_.c_str());
    }

    std::string MakeFile(const std::string& name, const std::string& content) {
        const std::string path = dir_ + "\\" + name;
        HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        DWORD written = 0;
        WriteFile(file, content.data(), static_cast<DWORD>(content.size()), &written, nullptr);
        CloseHandle(file);
        return path;
    }

    // Files left in the folder, found by a listing of it.
    int FilesInFolder() {
        WIN32_FIND_DATAA found;
        HANDLE find = FindFirstFileA((dir_ + "\\*").c_str(), &found);
        int files = 0;
        if (find == INVALID_HANDLE_VALUE) return 0;
        do {
            if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) ++files;
        } while (FindNextFileA(find, &found));
        FindClose(find);
        return files;
    }

    std::string dir_;
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
