#include "quoddle/modWin32Api.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <string>

using namespace modWin32Api;

namespace {

// A drive letter the machine does not have.
std::string UnusedLetter() {
    const DWORD drives = GetLogicalDrives();
    for (char letter = 'Z'; letter > 'C'; --letter)
        if (!(drives & (1u << (letter - 'A')))) return std::string(1, letter);
    return "";
}

void ExpectReset() {
    EXPECT_EQ(DriveInfo.TotalBytes, -1);
    EXPECT_EQ(DriveInfo.FreeBytes, -1);
    EXPECT_EQ(DriveInfo.UsedBytes, -1);
    EXPECT_EQ(DriveInfo.VolumeNumber, -1);
}

std::string TestFolder() {
    char path[MAX_PATH];
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string folder = path;
    return folder.substr(0, folder.rfind('\\') + 1);
}

}  // namespace

TEST(DriveRoot, ALetterCountsByItsFirstCharacterANetworkRootWhole) {
    const struct {
        const char* drive;
        const char* root;
    } cases[] = {
        {"d", "D:\\"},
        {"D:", "D:\\"},
        {"d:\\x\\y", "D:\\"},
        {"  c  ", "C:\\"},
        {"\\\\server\\share", "\\\\SERVER\\SHARE\\"},
        {"\\\\server\\share\\", "\\\\SERVER\\SHARE\\"},
        {"", ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DriveRoot(c.drive), c.root) << c.drive;
}

TEST(GetDriveInfo, TypeWords) {
    const std::string unused = UnusedLetter();
    ASSERT_FALSE(unused.empty());
    const struct {
        std::string drive, word;
    } cases[] = {
        {"d", "CDROM"}, {"D:", "CDROM"}, {"d:\\x", "CDROM"}, {"c", "FIXED"}, {unused, ""}, {unused + ":\\", ""}, {"", ""},
        {"\\\\nosuchserver\\share", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetDriveInfo(c.drive, true), c.word) << c.drive;
        ExpectReset();
    }
}

TEST(GetDriveInfo, FillsTheRecordUnlessAskedForTheTypeOnly) {
    ASSERT_EQ(GetDriveInfo("D:\\", false), "CDROM");
    EXPECT_EQ(DriveInfo.FileSystem, "CDFS");
    EXPECT_GE(DriveInfo.TotalBytes, 0);
    EXPECT_GE(DriveInfo.FreeBytes, 0);
    EXPECT_EQ(DriveInfo.UsedBytes, DriveInfo.TotalBytes - DriveInfo.FreeBytes);

    ASSERT_EQ(GetDriveInfo("C", false), "FIXED");
    EXPECT_GT(DriveInfo.TotalBytes, 0);
    EXPECT_FALSE(DriveInfo.FileSystem.empty());

    // Every call starts afresh.
    EXPECT_EQ(GetDriveInfo("C", true), "FIXED");
    ExpectReset();
    EXPECT_EQ(GetDriveInfo(UnusedLetter(), false), "");
    ExpectReset();
}

TEST(GetWindowsVersion, IsNTHere) { EXPECT_EQ(GetWindowsVersion(), "NT"); }

TEST(GetSystemDir, IsTheSystemFolderWithOneTrailingBackslash) {
    const std::string dir = GetSystemDir();
    EXPECT_EQ(lstrcmpiA(dir.c_str(), (GetWindowsDir() + "system32\\").c_str()), 0) << dir;
    EXPECT_NE(GetFileAttributesA(dir.c_str()), INVALID_FILE_ATTRIBUTES);
}

TEST(RunAndWait, ReturnsWhenTheProgramHasEnded) {
    const std::string marker = TestFolder() + "run_and_wait_" + std::to_string(GetCurrentProcessId()) + ".done";
    DeleteFileA(marker.c_str());
    const DWORD start = GetTickCount();
    RunAndWait("\"" + TestFolder() + "quoddle_wait_helper.exe\" 700 \"" + marker + "\"", SW_HIDE);
    EXPECT_GE(GetTickCount() - start, 650u);
    EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(marker.c_str());
}

TEST(RunAndWait, ReturnsAtOnceWhenTheProgramCannotStart) {
    const DWORD start = GetTickCount();
    RunAndWait("C:\\no such folder\\no such program.exe", SW_SHOWNORMAL);
    RunAndWait("", SW_SHOWNORMAL);
    EXPECT_LT(GetTickCount() - start, 2000u);
}
