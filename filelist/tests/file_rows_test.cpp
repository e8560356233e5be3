// The rows of the file list: cells from a listing and from a query, the
// duplicate test over its index, and the order a sort keeps.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <numeric>
#include <random>
#include <string>
#include <vector>

#include "filelist/file_rows.h"
#include "filelist/modFileScan.h"
#include "list_window_fixture.h"
#include "rt/convert.h"
#include "rt/files.h"
#include "testkit/temp_folder.h"

namespace {

std::wstring Wide(const std::string& s) {
    std::wstring w(s.size(), L'\0');
    w.resize(static_cast<size_t>(MultiByteToWideChar(CP_ACP, 0, s.data(), static_cast<int>(s.size()), w.data(),
                                                     static_cast<int>(w.size()))));
    return w;
}

// A file whose name the 8-bit functions cannot reach; removed at the end.
class WideFile {
public:
    WideFile(const std::string& folder, const std::wstring& name) : path_(L"\\\\?\\" + Wide(folder) + L"\\" + name) {
        HANDLE h = CreateFileW(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
        DWORD written = 0;
        if (h != INVALID_HANDLE_VALUE) {
            WriteFile(h, "abc", 3, &written, nullptr);
            CloseHandle(h);
        }
    }
    ~WideFile() { DeleteFileW(path_.c_str()); }
    WideFile(const WideFile&) = delete;
    WideFile& operator=(const WideFile&) = delete;

private:
    std::wstring path_;
};

std::vector<std::string> CellsOf(const filelist::FileRows& rows, const filelist::FileRow& row) {
    return {rows.CellOf(row, 1), rows.CellOf(row, 2), rows.CellOf(row, 3)};
}

TEST(FileRows, ARowFromAListingShowsWhatAQueryShows) {
    testkit::TempFolder folder;
    folder.Write("normal.txt", "12345");
    const std::string hidden = folder.Write("hidden.txt", std::string(1234, 'x'));
    ASSERT_FALSE(rt::SetAttributes(hidden, FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_ARCHIVE));
    folder.Write("empty.txt");
    // The listing spells a name outside the code page with "?", a path no
    // query reaches; a name too long for an 8-bit path is listed whole.
    WideFile cyrillic(folder.Path(), L"\x0416.txt");
    WideFile tooLong(folder.Path(), std::wstring(250, L'n') + L".txt");

    modFileScan::ResetFileScan();
    modFileScan::ScanFiles(folder.Path(), {"*.*"}, false);
    const auto& found = modFileScan::FileScanResult;
    ASSERT_EQ(found.colFacts.size(), found.colNames.size());
    ASSERT_EQ(found.colNames.size(), 5u);

    filelist::FileRows rows(filelist::AttributeLetters);
    struct Expected {
        const char* name;
        std::vector<std::string> cells;
    } expected[] = {
        {"normal.txt", {"000,000,005", "A"}},
        {"hidden.txt", {"000,001,234", "AHR"}},
        {"empty.txt", {"000,000,000", "A"}},
    };
    for (size_t i = 0; i < found.colNames.size(); ++i) {
        const std::string path = found.colPaths[i] + found.colNames[i];
        const filelist::FileRow listed{path, found.colFacts[i]}, queried{path, filelist::ReadFileFacts(path)};
        EXPECT_EQ(CellsOf(rows, listed), CellsOf(rows, queried)) << path;
        for (const Expected& e : expected) {
            if (found.colNames[i] != e.name) continue;
            const std::vector<std::string> cells = CellsOf(rows, listed);
            EXPECT_EQ(std::vector<std::string>(cells.begin(), cells.begin() + 2), e.cells) << e.name;
            EXPECT_FALSE(cells[2].empty()) << e.name;
        }
        if (found.colNames[i].find('?') != std::string::npos) {
            EXPECT_EQ(CellsOf(rows, listed), (std::vector<std::string>{"", "", ""}));
        }
    }
    SetFileAttributesA(hidden.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// Two upper-cased paths of one hash: only the row itself can tell them apart.
TEST(FileRows, PathsSharingAHashAreStillTwoPaths) {
    filelist::FileRows rows(filelist::AttributeLetters);
    const std::string first = "C:\\list\\file229599.txt", second = "C:\\LIST\\FILE432382.TXT";
    ASSERT_EQ(rows.KeyOf(first).hash, rows.KeyOf(second).hash);
    rows.Insert(0, {first, {}}, rows.KeyOf(first));
    EXPECT_FALSE(rows.Contains(rows.KeyOf(second)));
    EXPECT_TRUE(rows.Contains(rows.KeyOf("c:\\LIST\\File229599.TXT")));
}

// The index against a scan of every row, through inserts anywhere,
// removals and reorders, with a hash that makes most paths collide.
TEST(FileRows, DuplicateTestAgreesWithAScanOfEveryRow) {
    filelist::FileRows rows(filelist::AttributeLetters,
                            [](const std::string& s) { return static_cast<std::uint32_t>(s.size() % 3); });
    std::vector<std::string> model;
    const std::vector<std::string> names = {"C:\\a", "C:\\B", "C:\\ab", "c:\\Ab", "C:\\x\\y", "C:\\X\\Y", "D:\\abc"};
    std::mt19937 random(12345);
    auto pick = [&](size_t n) { return static_cast<size_t>(random() % n); };
    auto modelHolds = [&](const std::string& path) {
        return std::any_of(model.begin(), model.end(),
                           [&](const std::string& p) { return rt::UCase(p) == rt::UCase(path); });
    };
    for (int step = 0; step < 400; ++step) {
        switch (pick(4)) {
        case 0:
        case 1: {
            const std::string& path = names[pick(names.size())];
            const size_t at = pick(model.size() + 1);
            rows.Insert(static_cast<int>(at), {path, {}}, rows.KeyOf(path));
            model.insert(model.begin() + static_cast<std::ptrdiff_t>(at), path);
            break;
        }
        case 2: {
            std::vector<int> removed;
            for (size_t i = 0; i < model.size(); ++i)
                if (pick(3) == 0) removed.push_back(static_cast<int>(i));
            rows.Remove(removed);
            for (auto it = removed.rbegin(); it != removed.rend(); ++it) model.erase(model.begin() + *it);
            break;
        }
        case 3: {
            std::vector<int> order(model.size());
            std::iota(order.begin(), order.end(), 0);
            std::shuffle(order.begin(), order.end(), random);
            rows.Reorder(order);
            std::vector<std::string> reordered;
            for (int i : order) reordered.push_back(model[static_cast<size_t>(i)]);
            model = reordered;
            break;
        }
        }
        ASSERT_EQ(rows.Count(), static_cast<int>(model.size())) << "step " << step;
        for (size_t i = 0; i < model.size(); ++i) ASSERT_EQ(rows.Row(static_cast<int>(i)).path, model[i]);
        for (const std::string& name : names)
            ASSERT_EQ(rows.Contains(rows.KeyOf(name)), modelHolds(name)) << name << " at step " << step;
    }
}

// One path in 200,000 rows (as a list file naming one file over and over
// gives them) costs what distinct paths cost: no row added passes every
// earlier one (seconds here, not milliseconds). The index still answers as a
// scan does.
TEST(FileRows, ManyRowsOfOnePathAreAddedInLinearTime) {
    filelist::FileRows rows(filelist::AttributeLetters);
    const int n = 200000;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < n; ++i) {
        const std::string path = i % 2 ? "C:\\list\\one.txt" : "c:\\LIST\\ONE.TXT";
        rows.Insert(rows.Count(), {path, {}}, rows.KeyOf(path));
    }
    rows.Insert(n / 2, {"C:\\list\\two.txt", {}}, rows.KeyOf("C:\\list\\two.txt"));
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(5));
    ASSERT_EQ(rows.Count(), n + 1);
    EXPECT_TRUE(rows.Contains(rows.KeyOf("C:\\List\\One.txt")));
    EXPECT_TRUE(rows.Contains(rows.KeyOf("C:\\LIST\\TWO.TXT")));
    EXPECT_FALSE(rows.Contains(rows.KeyOf("C:\\list\\three.txt")));

    // Every row of the path but the last removed: that one still counts.
    std::vector<int> removed(static_cast<size_t>(n) + 1);
    std::iota(removed.begin(), removed.end(), 0);
    removed.erase(removed.begin() + n / 2);  // two.txt
    removed.pop_back();
    rows.Remove(removed);
    ASSERT_EQ(rows.Count(), 2);
    EXPECT_TRUE(rows.Contains(rows.KeyOf("c:\\list\\ONE.txt")));
    rows.Remove({1});
    EXPECT_FALSE(rows.Contains(rows.KeyOf("c:\\list\\ONE.txt")));
    EXPECT_TRUE(rows.Contains(rows.KeyOf("C:\\list\\two.txt")));
}

// Once removed rows' paths outweigh the listed ones, the listed paths move;
// they must come through whole and still be found.
TEST(FileRows, RemovingMostRowsKeepsTheRestWhole) {
    filelist::FileRows rows(filelist::AttributeLetters);
    auto pathOf = [](int i) { return "C:\\" + std::string(400, 'x') + std::to_string(i); };
    const int n = 3000;
    for (int i = 0; i < n; ++i) rows.Insert(i, {pathOf(i), {}}, rows.KeyOf(pathOf(i)));
    std::vector<int> removed;
    for (int i = 0; i < n; ++i)
        if (i % 100 != 0) removed.push_back(i);
    rows.Remove(removed);
    ASSERT_EQ(rows.Count(), n / 100);
    for (int i = 0; i < rows.Count(); ++i) {
        EXPECT_EQ(rows.Row(i).path, pathOf(i * 100));
        EXPECT_TRUE(rows.Contains(rows.KeyOf(rt::LCase(pathOf(i * 100)))));
    }
    EXPECT_FALSE(rows.Contains(rows.KeyOf(pathOf(1))));
}

using filelist_test::ListWindowTest;

TEST_F(ListWindowTest, RowsWithEqualCellsKeepTheirOrderWhenSorted) {
    for (const char* name : {"a.txt", "b.txt", "c.txt", "d.txt"})
        window->AddToList(folder.Write(name, name[0] == 'a' || name[0] == 'c' ? "55555" : "333"), true);
    window->lv1_ColumnClick(2);  // descending by size
    EXPECT_EQ(Rows(), (std::vector<std::string>{folder / "a.txt", folder / "c.txt", folder / "b.txt", folder / "d.txt"}));
    window->lv1_ColumnClick(2);  // ascending
    EXPECT_EQ(Rows(), (std::vector<std::string>{folder / "b.txt", folder / "d.txt", folder / "a.txt", folder / "c.txt"}));
}

}  // namespace
