#include "foundation/modWin32Api.h"

#include <gtest/gtest.h>

#include <string>

#include "testkit/temp_folder.h"

using namespace std::string_literals;
using modWin32Api::FolderFromPlatform;
using modWin32Api::TrimAtNull;

TEST(TrimAtNull, CutsAtTheFirstNul) {
    const struct {
        std::string text, expected;
    } cases[] = {
        {"", ""},
        {"C:\\WINDOWS", "C:\\WINDOWS"},
        {"\0abc"s, ""},
        {"abc\0def\0"s, "abc"},
        {"abc   \0   "s, "abc   "},
    };
    for (const auto& c : cases) EXPECT_EQ(TrimAtNull(c.text), c.expected) << c.text;
}

namespace {

std::string g_answer;
UINT g_result;

// Stands in for GetWindowsDirectoryA: writes g_answer and returns g_result.
UINT WINAPI FakeFolderCall(LPSTR buffer, UINT size) {
    if (g_answer.size() < size) memcpy(buffer, g_answer.c_str(), g_answer.size() + 1);
    return g_result;
}

std::string FolderFor(const std::string& answer, UINT result) {
    g_answer = answer;
    g_result = result;
    return FolderFromPlatform(FakeFolderCall);
}

}  // namespace

TEST(FolderFromPlatform, EndsInExactlyOneBackslash) {
    EXPECT_EQ(FolderFor("C:\\WINDOWS", 10), "C:\\WINDOWS\\");
    EXPECT_EQ(FolderFor("C:\\", 3), "C:\\");
}

TEST(FolderFromPlatform, FailureOrAFolderTooLongForTheBufferGivesEmpty) {
    EXPECT_EQ(FolderFor("", 0), "");
    EXPECT_EQ(FolderFor("", 300), "");
}

TEST(GetWindowsDir, IsAnExistingFolderWithOneTrailingBackslash) {
    const std::string dir = modWin32Api::GetWindowsDir();
    ASSERT_GE(dir.size(), 4u);
    EXPECT_EQ(dir.back(), '\\');
    EXPECT_NE(dir[dir.size() - 2], '\\');
    const DWORD attributes = GetFileAttributesA(dir.c_str());
    ASSERT_NE(attributes, INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

TEST(ShellOpen, ReturnsTheShellsResultAndPassesTheParameters) {
    EXPECT_EQ(modWin32Api::ShellOpen("C:\\no such folder\\page.htm", "", SW_SHOWNORMAL), 2);

    char temp[MAX_PATH];
    ASSERT_GT(GetTempPathA(MAX_PATH, temp), 0u);
    const std::string marker = std::string(temp) + "shellopen" + std::to_string(GetCurrentProcessId()) + ".txt";
    DeleteFileA(marker.c_str());
    const std::string cmd = modWin32Api::GetWindowsDir() + "system32\\cmd.exe";
    // A path whose length wraps round to the program's is a missing file.
    EXPECT_EQ(modWin32Api::ShellOpen(testkit::PathWrappingTo(cmd), "/c echo opened> \"" + marker + "\"", SW_HIDE), 2);
    EXPECT_GT(modWin32Api::ShellOpen(cmd, "/c echo opened> \"" + marker + "\"", SW_HIDE), 32);
    // The shell starts the program and does not wait for it.
    for (int i = 0; i < 100 && GetFileAttributesA(marker.c_str()) == INVALID_FILE_ATTRIBUTES; ++i) Sleep(50);
    EXPECT_NE(GetFileAttributesA(marker.c_str()), INVALID_FILE_ATTRIBUTES);
    DeleteFileA(marker.c_str());
}
