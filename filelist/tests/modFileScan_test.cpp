#include "filelist/modFileScan.h"

#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <vector>

#include "filelist/row_cells.h"
#include "rt/events.h"
#include "testkit/folder_link.h"
#include "testkit/temp_folder.h"

namespace {

using modFileScan::FileScanResult;

class FileScanTest : public ::testing::Test {
protected:
    void SetUp() override { modFileScan::ResetFileScan(); }

    // Each found file as folder & name, in the order found.
    std::vector<std::string> Found() const {
        EXPECT_EQ(FileScanResult.colNames.size(), FileScanResult.colPaths.size());
        std::vector<std::string> files;
        for (size_t i = 0; i < FileScanResult.colNames.size(); ++i)
            files.push_back(FileScanResult.colPaths[i] + FileScanResult.colNames[i]);
        return files;
    }

    std::string Root() const { return folder.Path() + "\\"; }

    testkit::TempFolder folder;
};

TEST_F(FileScanTest, FilesPatternByPatternThenEachSubfolder) {
    folder.Write("b.gif");
    folder.Write("a.jpg");
    folder.Write("sub\\c.jpg");
    folder.Write("notes.txt");
    modFileScan::ScanFiles(folder.Path(), {"*.jpg", "*.gif"}, true);
    ASSERT_EQ(Found(), (std::vector<std::string>{Root() + "a.jpg", Root() + "b.gif", Root() + "sub\\c.jpg"}));
    EXPECT_EQ(FileScanResult.colNames[2], "c.jpg");
    EXPECT_EQ(FileScanResult.colPaths[2], Root() + "sub\\");

    // Without recursion only the folder's own files; results add up until a reset.
    modFileScan::ScanFiles(Root(), {"*.jpg"}, false);
    EXPECT_EQ(Found().size(), 4u);
    EXPECT_EQ(Found().back(), Root() + "a.jpg");
    modFileScan::ResetFileScan();
    EXPECT_TRUE(Found().empty());
}

TEST_F(FileScanTest, DepthFirstBeforeTheNextSibling) {
    folder.Write("one\\deep\\x.txt");
    folder.Write("one\\y.txt");
    folder.Write("two\\z.txt");
    modFileScan::ScanFiles(folder.Path(), {"*.*"}, true);
    std::vector<std::string> found = Found();
    ASSERT_EQ(found.size(), 3u);
    // Whichever of one and two the listing gives first, one's subtree stays together.
    std::vector<std::string> oneFirst = {Root() + "one\\y.txt", Root() + "one\\deep\\x.txt", Root() + "two\\z.txt"};
    std::vector<std::string> twoFirst = {Root() + "two\\z.txt", Root() + "one\\y.txt", Root() + "one\\deep\\x.txt"};
    EXPECT_TRUE(found == oneFirst || found == twoFirst) << found[0] << ", " << found[1] << ", " << found[2];
}

TEST_F(FileScanTest, HiddenAndSystemEntriesAreFoundButNamesWithAFullStopAreNotEntered) {
    std::string hiddenFile = folder.Write("h.txt");
    std::string systemFile = folder.Write("s.txt");
    folder.Write("release.old\\skipped.txt");
    std::string data = folder.MakeFolder("Data");
    folder.Write("Data\\in data.txt");
    SetFileAttributesA(hiddenFile.c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(systemFile.c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(data.c_str(), FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM | FILE_ATTRIBUTE_DIRECTORY);
    modFileScan::ScanFiles(folder.Path(), {"*.txt"}, true);
    std::vector<std::string> found = Found();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{Root() + "Data\\in data.txt", Root() + "h.txt", Root() + "s.txt"}));
}

TEST_F(FileScanTest, AFolderThatCannotBeListedAddsNothing) {
    modFileScan::ScanFiles(folder / "gone", {"*.*"}, true);
    modFileScan::ScanFiles(folder.Path(), {"", " *.txt"}, true);  // pieces are taken as they stand
    folder.Write("a.txt");
    modFileScan::ScanFiles(folder.Path(), {""}, false);
    EXPECT_TRUE(Found().empty());
}

// A link to a folder is entered like the folder; one back to a folder the
// scan is inside of (here the top and the link's own parent) is passed over,
// so the scan ends.
TEST_F(FileScanTest, EntersFolderLinksButNeverOneBackUpItsOwnPath) {
    folder.Write("top.txt");
    folder.Write("other\\o.txt");
    folder.Write("sub\\s.txt");
    testkit::FolderLink toOther(folder / "sub\\other", folder / "other");
    testkit::FolderLink toTop(folder / "sub\\top", folder.Path());
    testkit::FolderLink toSub(folder / "sub\\here", folder / "sub");
    ASSERT_TRUE(toOther.Made() && toTop.Made() && toSub.Made());
    modFileScan::ScanFiles(folder.Path(), {"*.txt"}, true);
    std::vector<std::string> found = Found();
    std::sort(found.begin(), found.end());
    EXPECT_EQ(found, (std::vector<std::string>{Root() + "other\\o.txt", Root() + "sub\\other\\o.txt",
                                               Root() + "sub\\s.txt", Root() + "top.txt"}));
}

// A path as the platform holds it; "\\?\" keeps a trailing blank or full stop.
std::wstring Verbatim(const std::string& folder, const std::wstring& name) {
    return L"\\\\?\\" + std::wstring(folder.begin(), folder.end()) + L"\\" + name;
}

void WriteVerbatim(const std::string& folder, const std::wstring& name, const std::string& bytes) {
    HANDLE h = CreateFileW(Verbatim(folder, name).c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    ASSERT_NE(h, INVALID_HANDLE_VALUE);
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
}

// A listed name may not reach its file: one the code page cannot hold comes
// out with "?" or a near letter ("\u0101.txt" as "a.txt", another file), and
// a path drops a trailing blank or full stop. Each file found carries what
// a query of its path gives, and a folder is entered only where its path
// leads ("inner " is not).
TEST_F(FileScanTest, EachFoundFileCarriesWhatItsPathGives) {
    folder.Write("a.txt", "abc");
    const std::wstring names[] = {L"\u0101.txt", L"blank ", L"dot.", L"\u0436.txt"};
    for (const std::wstring& name : names) WriteVerbatim(folder.Path(), name, "longer");
    ASSERT_TRUE(CreateDirectoryW(Verbatim(folder.Path(), L"inner ").c_str(), nullptr));
    WriteVerbatim(folder.Path() + "\\inner ", L"in.txt", "");
    modFileScan::ScanFiles(folder.Path(), {"*"}, true);
    ASSERT_EQ(FileScanResult.colNames.size(), 5u);
    for (size_t i = 0; i < FileScanResult.colNames.size(); ++i) {
        const std::string path = FileScanResult.colPaths[i] + FileScanResult.colNames[i];
        EXPECT_EQ(FileScanResult.colPaths[i], Root()) << path;
        const filelist::FileFacts& listed = FileScanResult.colFacts[i];
        const filelist::FileFacts queried = filelist::ReadFileFacts(path);
        EXPECT_EQ(listed.Read(), queried.Read()) << path;
        EXPECT_EQ(listed.length, queried.length) << path;
        EXPECT_EQ(listed.attributes, queried.attributes) << path;
        EXPECT_EQ(CompareFileTime(&listed.lastWrite, &queried.lastWrite), 0) << path;
    }
}

// The window stays alive: a yield per file found, per pattern, per listed
// entry (two for names without a full stop) and per subfolder.
TEST_F(FileScanTest, YieldsWhereTheWindowNeedsThem) {
    folder.Write("b.gif");
    folder.Write("a.jpg");
    folder.Write("sub\\c.jpg");
    unsigned long long before = rt::YieldCount();
    modFileScan::ScanFiles(folder.Path(), {"*.jpg", "*.gif"}, true);
    // Root: 2 files + 2 patterns + ".", "..", a.jpg, b.gif + 2 for sub + 1 after
    // sub; sub: 1 file + 2 patterns + ".", "..", c.jpg.
    EXPECT_EQ(rt::YieldCount() - before, 11u + 6u);
}

}  // namespace
