#include "rt/files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>

#include "testkit/temp_folder.h"

namespace {

// A fresh folder per test, removed with everything in it afterwards.
class Files : public ::testing::Test {
protected:
    std::string Path(const std::string& name) const { return folder_ / name; }

    static void Write(const std::string& path, const std::string& bytes) {
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        ASSERT_NE(h, INVALID_HANDLE_VALUE) << path;
        DWORD n = 0;
        WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &n, nullptr);
        CloseHandle(h);
    }
    static std::string Read(const std::string& path) {
        std::string bytes;
        HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
        if (h == INVALID_HANDLE_VALUE) return "<missing>";
        char buf[4096];
        DWORD n = 0;
        while (ReadFile(h, buf, sizeof buf, &n, nullptr) && n > 0) bytes.append(buf, n);
        CloseHandle(h);
        return bytes;
    }
    std::vector<std::string> LinesOf(const std::string& bytes) {
        Write(Path("list.txt"), bytes);
        std::vector<std::string> lines;
        rt::Error e = rt::ReadTextLines(Path("list.txt"), [&](const std::string& l) { lines.push_back(l); });
        EXPECT_FALSE(e) << e.description;
        return lines;
    }
    static FILETIME SetWritten(const std::string& path, SYSTEMTIME utc) {
        FILETIME written;
        SystemTimeToFileTime(&utc, &written);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        SetFileTime(h, nullptr, nullptr, &written);
        CloseHandle(h);
        return written;
    }
    std::vector<std::string> Names(const std::string& pattern, unsigned filter) {
        std::vector<std::string> names;
        for (const rt::DirEntry& e : rt::ListDirectory(pattern, filter)) names.push_back(e.name);
        std::sort(names.begin(), names.end());
        return names;
    }

private:
    testkit::TempFolder folder_;
};

using Strings = std::vector<std::string>;

TEST_F(Files, LinesEndAtCarriageReturnsOnly) {
    struct Case { std::string bytes; Strings lines; } cases[] = {
        {"", {}},
        {"a", {"a"}},
        {"a\r\n", {"a"}},
        {"a\r\nb\rc", {"a", "b", "c"}},
        {"C:\\a\nC:\\b\n", {"C:\\a\nC:\\b\n"}},
        {"\r\n\r\n  \r\n", {"", "", "  "}},
        {"a\r\r\nb\n\r\n", {"a", "", "b\n"}},
        {std::string("x\0\x1a\xff y\r\n", 7), {std::string("x\0\x1a\xff y", 6)}},
    };
    for (const Case& c : cases) EXPECT_EQ(LinesOf(c.bytes), c.lines) << testing::PrintToString(c.bytes);
}

TEST_F(Files, LongLinesPassWholeAndLineEndsMayStraddleReads) {
    // A CR LF at byte 65535/65536 straddles every power-of-two buffer up to 64 KiB.
    std::string first(65535, 'a');
    std::string big(3 * 1024 * 1024 + 7, '\0');
    for (size_t i = 0; i < big.size(); ++i) big[i] = static_cast<char>(i % 251 == 13 ? 0 : i % 251);
    Strings lines = LinesOf(first + "\r\n" + big + "\r\n" + "tail");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], first);
    EXPECT_TRUE(lines[1] == big) << "the binary line came back with " << lines[1].size() << " bytes";
    EXPECT_EQ(lines[2], "tail");
}

TEST_F(Files, ManyLinesReadQuickly) {
    std::string bytes;
    for (int i = 0; i < 100000; ++i) bytes += "C:\\Photos\\Holiday\\picture_" + std::to_string(i) + ".jpg\r\n";
    Write(Path("big.txt"), bytes);
    auto start = std::chrono::steady_clock::now();
    size_t count = 0;
    rt::ReadTextLines(Path("big.txt"), [&](const std::string&) { ++count; });
    auto elapsed = std::chrono::steady_clock::now() - start;
    EXPECT_EQ(count, 100000u);
    EXPECT_LT(elapsed, std::chrono::seconds(2));
}

TEST_F(Files, ReadingAMissingFileGivesTheOpenError) {
    bool called = false;
    rt::Error e = rt::ReadTextLines(Path("none.txt"), [&](const std::string&) { called = true; });
    EXPECT_EQ(e.number, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));
    EXPECT_FALSE(e.description.empty());
    EXPECT_FALSE(called);
}

TEST_F(Files, WrittenLinesEndInCrLfAndReplaceTheOldFile) {
    std::string list = Path("list.txt");
    Write(list, std::string(100000, 'x'));
    EXPECT_FALSE(rt::WriteTextLines(list, {"C:\\a b.txt", "", "\\\\srv\\x"}));
    EXPECT_EQ(Read(list), "C:\\a b.txt\r\n\r\n\\\\srv\\x\r\n");
    EXPECT_FALSE(rt::WriteTextLines(list, {}));
    EXPECT_EQ(Read(list), "");

    std::string hidden = Path("hidden.txt");
    Write(hidden, "old");
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_HIDDEN);
    EXPECT_FALSE(rt::WriteTextLines(hidden, {"new"}));
    EXPECT_EQ(Read(hidden), "new\r\n");
}

TEST_F(Files, AFileThatCannotBeWrittenStaysAsItWas) {
    std::string locked = Path("ro.txt");
    Write(locked, "old\r\n");
    SetFileAttributesA(locked.c_str(), FILE_ATTRIBUTE_READONLY);
    rt::Error e = rt::WriteTextLines(locked, {"new"});
    EXPECT_EQ(e.number, static_cast<unsigned long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(e.description, rt::ErrorText(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Read(locked), "old\r\n");

    e = rt::WriteTextLines(Path("no folder\\list.txt"), {"new"});
    EXPECT_EQ(e.number, static_cast<unsigned long>(ERROR_PATH_NOT_FOUND));
    EXPECT_FALSE(e.description.empty());
    EXPECT_EQ(e.description.find_first_of("\r\n"), std::string::npos);
}

TEST_F(Files, ListingsFilterHiddenSystemAndFolders) {
    Write(Path("plain.txt"), "1234");
    Write(Path("hidden.txt"), "");
    Write(Path("system.txt"), "");
    CreateDirectoryA(Path("Sub").c_str(), nullptr);
    CreateDirectoryA(Path("Secret").c_str(), nullptr);
    SetFileAttributesA(Path("hidden.txt").c_str(), FILE_ATTRIBUTE_HIDDEN);
    SetFileAttributesA(Path("system.txt").c_str(), FILE_ATTRIBUTE_SYSTEM);
    SetFileAttributesA(Path("Secret").c_str(), FILE_ATTRIBUTE_HIDDEN);
    std::string all = Path("*");

    EXPECT_EQ(Names(all, rt::kListNormal), Strings({"plain.txt"}));
    EXPECT_EQ(Names(all, rt::kListHidden | rt::kListSystem), Strings({"hidden.txt", "plain.txt", "system.txt"}));
    EXPECT_EQ(Names(all, rt::kListFolders), Strings({".", "..", "Sub", "plain.txt"}));
    EXPECT_EQ(Names(all, rt::kListHidden | rt::kListSystem | rt::kListFolders),
              Strings({".", "..", "Secret", "Sub", "hidden.txt", "plain.txt", "system.txt"}));
    EXPECT_EQ(Names(Path("*.txt"), rt::kListSystem), Strings({"plain.txt", "system.txt"}));

    EXPECT_TRUE(rt::ListingFinds(Path("*.txt"), rt::kListNormal));
    EXPECT_FALSE(rt::ListingFinds(Path("hid*"), rt::kListNormal));
    EXPECT_TRUE(rt::ListDirectory(Path("missing\\*"), 22).empty());
}

TEST_F(Files, ListingAndQueriesGiveSizeAttributesAndTimes) {
    std::string file = Path("f.dat");
    Write(file, std::string(1234, 'z'));
    FILETIME written = SetWritten(file, {2020, 7, 0, 1, 12, 30, 15, 0});
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);

    std::vector<rt::DirEntry> entries = rt::ListDirectory(file, rt::kListNormal);
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].name, "f.dat");
    EXPECT_EQ(entries[0].size, 1234u);
    EXPECT_TRUE(entries[0].attributes & FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(CompareFileTime(&entries[0].lastWrite, &written), 0);

    unsigned long long length = 0;
    DWORD attributes = 0;
    SYSTEMTIME local{};
    EXPECT_TRUE(rt::FileLength(file, length));
    EXPECT_EQ(length, 1234u);
    EXPECT_TRUE(rt::FileAttributes(file, attributes));
    EXPECT_TRUE(attributes & FILE_ATTRIBUTE_READONLY);
    ASSERT_TRUE(rt::FileModified(file, local));
    // Berlin is two hours ahead in summer, whatever the season of the run.
    EXPECT_EQ(local.wHour, 14);
    EXPECT_EQ(local.wMinute, 30);
    EXPECT_EQ(local.wSecond, 15);

    // Winter is one hour ahead, across midnight here.
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
    SetWritten(file, {2021, 1, 0, 15, 23, 0, 0, 0});
    ASSERT_TRUE(rt::FileModified(file, local));
    EXPECT_EQ(local.wDay, 16);
    EXPECT_EQ(local.wHour, 0);

    EXPECT_FALSE(rt::FileLength(Path("none"), length));
    EXPECT_FALSE(rt::FileAttributes(Path("none"), attributes));
    EXPECT_FALSE(rt::FileModified(Path("none"), local));
}

TEST_F(Files, AttributesRenameDeleteAndCopyReportThePlatformError) {
    std::string a = Path("a.txt"), b = Path("b.txt");
    Write(a, "A");
    Write(b, "B");

    EXPECT_FALSE(rt::SetAttributes(a, FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_EQ(GetFileAttributesA(a.c_str()) & 0x7, DWORD(FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM));
    EXPECT_FALSE(rt::SetAttributes(a, 0));
    EXPECT_EQ(GetFileAttributesA(a.c_str()) & 0x7, 0u);
    EXPECT_EQ(rt::SetAttributes(Path("none"), 0).number, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));

    rt::Error e = rt::RenameFile(a, b);
    EXPECT_EQ(e.number, static_cast<unsigned long>(ERROR_ALREADY_EXISTS));
    EXPECT_EQ(Read(a), "A");
    EXPECT_EQ(Read(b), "B");

    CreateDirectoryA(Path("Sub").c_str(), nullptr);
    EXPECT_FALSE(rt::RenameFile(a, Path("Sub\\moved.txt")));
    EXPECT_EQ(Read(Path("Sub\\moved.txt")), "A");
    EXPECT_EQ(rt::RenameFile(a, Path("c.txt")).number, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));

    EXPECT_FALSE(rt::RenameFile(b, Path("B.TXT")));
    EXPECT_EQ(Names(Path("*.txt"), rt::kListNormal), Strings({"B.TXT"}));

    EXPECT_FALSE(rt::CopyFileTo(Path("B.TXT"), Path("copy.txt")));
    EXPECT_EQ(Read(Path("copy.txt")), "B");
    EXPECT_EQ(rt::CopyFileTo(Path("none"), Path("x")).number, static_cast<unsigned long>(ERROR_FILE_NOT_FOUND));

    SetFileAttributesA(Path("copy.txt").c_str(), FILE_ATTRIBUTE_READONLY);
    EXPECT_EQ(rt::DeleteFileAt(Path("copy.txt")).number, static_cast<unsigned long>(ERROR_ACCESS_DENIED));
    EXPECT_EQ(Read(Path("copy.txt")), "B");
    EXPECT_FALSE(rt::DeleteFileAt(Path("B.TXT")));
    EXPECT_EQ(Read(Path("B.TXT")), "<missing>");
}

TEST_F(Files, PathsUpToTheLimitNameTheirFile) {
    testkit::TempFolder folder;
    const std::string path = folder.Write(folder.NameForPathLength(rt::kLongestPath), "at");
    unsigned long long length = 0;
    EXPECT_TRUE(rt::FileLength(path, length));
    EXPECT_EQ(length, 2u);
    EXPECT_EQ(rt::ListDirectory(path, rt::kListNormal).size(), 1u);
    EXPECT_FALSE(rt::SetAttributes(path, FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(GetFileAttributesA(path.c_str()) & 0x7, DWORD(FILE_ATTRIBUTE_HIDDEN));
    std::string moved = path;
    moved.back() = 'm';
    EXPECT_FALSE(rt::RenameFile(path, moved));
    EXPECT_FALSE(rt::DeleteFileAt(moved));
    EXPECT_EQ(Read(moved), "<missing>");
}

// A path one past the limit, one whose length wraps round to another file's
// path where the platform counts it in 16 bits, and one with a NUL: each is
// a missing file to every file function, and the file it could reach stays
// as it was.
TEST_F(Files, PathsTheFunctionsCannotNameAreMissingFiles) {
    testkit::TempFolder folder;
    const std::string pastLimit = folder.Write(folder.NameForPathLength(rt::kLongestPath + 1), "past");
    const std::string victim = folder.Write("victim.txt", "victim");
    const std::string other = folder.Write("other.txt", "other");
    using namespace std::string_literals;
    struct Case {
        std::string path;
        std::string reached;
        std::string bytes;
    } cases[] = {
        {pastLimit, pastLimit, "past"},
        {testkit::PathWrappingTo(victim), victim, "victim"},
        {victim + "\0x"s, victim, "victim"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.path.substr(0, 60) + "... (" + std::to_string(c.path.size()) + " characters)");
        unsigned long long length = 0;
        DWORD attributes = 0;
        SYSTEMTIME modified;
        EXPECT_FALSE(rt::FileLength(c.path, length));
        EXPECT_FALSE(rt::FileAttributes(c.path, attributes));
        EXPECT_FALSE(rt::FileModified(c.path, modified));
        EXPECT_TRUE(rt::ListDirectory(c.path, rt::kListNormal).empty());
        EXPECT_FALSE(rt::ListingFinds(c.path, rt::kListNormal));
        bool read = false;
        EXPECT_TRUE(rt::ReadTextLines(c.path, [&](const std::string&) { read = true; }));
        EXPECT_FALSE(read);
        EXPECT_TRUE(rt::SetAttributes(c.path, FILE_ATTRIBUTE_HIDDEN));
        EXPECT_TRUE(rt::WriteTextLines(c.path, {"written"}));
        EXPECT_TRUE(rt::RenameFile(c.path, folder / "Pic01.txt"));
        EXPECT_TRUE(rt::RenameFile(other, c.path));
        EXPECT_TRUE(rt::CopyFileTo(c.path, folder / "copy.txt"));
        EXPECT_TRUE(rt::CopyFileTo(other, c.path));
        EXPECT_TRUE(rt::DeleteFileAt(c.path));

        EXPECT_EQ(Read(c.reached), c.bytes);
        EXPECT_EQ(GetFileAttributesA(c.reached.c_str()) & 0x7, 0u);
        EXPECT_EQ(Read(other), "other");
        EXPECT_EQ(Read(folder / "Pic01.txt"), "<missing>");
        EXPECT_EQ(Read(folder / "copy.txt"), "<missing>");
    }
    EXPECT_EQ(rt::DeleteFileAt(pastLimit).number, static_cast<unsigned long>(ERROR_FILENAME_EXCED_RANGE));
}

TEST(Error, TextHasNoLineEndAndLastErrorIsCapturedCode) {
    std::string text = rt::ErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_FALSE(text.empty());
    EXPECT_NE(text.back(), '\n');
    EXPECT_NE(text.back(), '\r');
    SetLastError(ERROR_SHARING_VIOLATION);
    rt::Error e = rt::LastError();
    EXPECT_TRUE(e);
    EXPECT_EQ(e.number, static_cast<unsigned long>(ERROR_SHARING_VIOLATION));
    EXPECT_EQ(e.description, rt::ErrorText(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(rt::NoError());
}

}  // namespace
