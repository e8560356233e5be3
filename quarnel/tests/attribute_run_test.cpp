// "Proceed !": times and attributes over the listed files, the error count,
// and the list window afterwards.
#include <string>
#include <vector>

#include "quarnel_window_fixture.h"
#include "rt/events.h"
#include "rt/files.h"
#include "rt/format.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using quarnel_test::Attributes;
using quarnel_test::kOldTimes;
using quarnel_test::ReadTimes;
using quarnel_test::StoredTimes;
using quarnel_test::Utc;

namespace {

constexpr DWORD kRHS = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
constexpr const char* kProceed = "Apply";

// Archive always reads back set on this platform's files, so only the other
// three attributes can be seen to change.
DWORD RHS(const std::string& path) { return Attributes(path) & kRHS; }

std::string Complete(long errors) { return "Set file attributes complete, Total errors = " + std::to_string(errors); }

class AttributeRunTest : public quarnel_test::QuarnelWindowTest {
protected:
    void SetUp() override {
        QuarnelWindowTest::SetUp();
        ASSERT_TRUE(dialog.Load());
    }
    // Presses "Proceed !" and answers the completion message; returns its text.
    std::string Proceed() {
        testkit::DialogAnswerer answers;
        answers.Expect(testkit::Press(IDOK));
        dialog.tbMain.PressButton(kProceed);
        if (answers.Seen().size() != 1) return "";
        seen = answers.Seen()[0];
        return seen.text;
    }
    void TypeDate(const std::string& text) { dialog.txtDate.SetText(text); }

    quarnel::frmSettings dialog{window};
    testkit::SeenDialog seen;
};

TEST_F(AttributeRunTest, TheTickedBoxesAreTheWholeNewAttributeSet) {
    struct Case {
        const char* ticked;  // A, H, R, S
        DWORD expected;
    } cases[] = {
        {"", 0},
        {"HS", FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM},
        {"AR", FILE_ATTRIBUTE_READONLY},
        {"AHRS", kRHS},
    };
    int n = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("ticked: ") + c.ticked);
        quarnel::frmSettings d(window);
        ASSERT_TRUE(d.Load());
        const std::string ticked = c.ticked;
        d.chkArchive.SetValue(ticked.find('A') != std::string::npos);
        d.chkHidden.SetValue(ticked.find('H') != std::string::npos);
        d.chkReadOnly.SetValue(ticked.find('R') != std::string::npos);
        d.chkSystem.SetValue(ticked.find('S') != std::string::npos);
        std::vector<std::string> files = {
            ListFile("all" + std::to_string(n) + ".txt", kRHS | FILE_ATTRIBUTE_ARCHIVE),
            ListFile("hidden" + std::to_string(n) + ".txt", FILE_ATTRIBUTE_HIDDEN),
            ListFile("plain" + std::to_string(n++) + ".txt"),
        };
        long errors = 0;
        d.ApplyAttributes(errors);
        EXPECT_EQ(errors, 0);
        for (const std::string& f : files) EXPECT_EQ(RHS(f), c.expected) << f;
    }
}

TEST_F(AttributeRunTest, AfterTheRunTheListIsEmptyAndTheFilePaneRefreshed) {
    ListFile("shown.txt");
    ListFile("was hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    ASSERT_FALSE(window.Dir1.SetPath(folder.Path()));
    window.tbMain.SetButtonEnabled("RemoveAll", true);
    window.tbMain.SetButtonEnabled("Remove", true);
    window.tbMain.SetButtonEnabled("Save", true);
    ASSERT_EQ(window.File1.ListCount(), 1);

    const unsigned long long yields = rt::YieldCount();
    EXPECT_EQ(Proceed(), Complete(0));
    // Once at the start and once per row; no time step was asked for.
    EXPECT_EQ(rt::YieldCount() - yields, 3u);
    EXPECT_EQ(seen.title, "File Attributes : Complete");
    EXPECT_EQ(seen.icon, testkit::Icon::Information);
    EXPECT_EQ(seen.buttons, std::vector<int>{IDOK});

    EXPECT_EQ(window.lv1.Count(), 0);
    EXPECT_EQ(window.lblFiles.Caption(), "0");
    for (const char* button : {"RemoveAll", "Remove", "Save"}) EXPECT_FALSE(window.tbMain.ButtonEnabled(button)) << button;
    EXPECT_EQ(window.File1.ListCount(), 2) << "the file that lost its hidden bit shows";
    EXPECT_FALSE(rt::IsHourglass());
    EXPECT_FALSE(dialog.IsLoaded());
}

// The typed date is local time: the list's "Modified" column shows it as typed.
TEST_F(AttributeRunTest, DateOnlyLeavesTheAttributesAndSetsTheTypedDate) {
    const std::string hidden = ListFile("hidden.txt", FILE_ATTRIBUTE_HIDDEN);
    const std::string system = ListFile("system.txt", FILE_ATTRIBUTE_SYSTEM);
    dialog.chkDate.SetValue(1);
    TypeDate("2024-07-15 13:14:15");

    const unsigned long long yields = rt::YieldCount();
    EXPECT_EQ(Proceed(), Complete(0));
    EXPECT_EQ(rt::YieldCount() - yields, 1u + 2 * 3) << "each row: two time calls and the row, one yield each";

    EXPECT_EQ(RHS(hidden), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(RHS(system), DWORD(FILE_ATTRIBUTE_SYSTEM));
    const ULONGLONG utc = Utc(2024, 7, 15, 11, 14, 15);  // Berlin summer time, UTC+2
    for (const std::string& f : {hidden, system}) {
        EXPECT_EQ(ReadTimes(f), (StoredTimes{utc, utc}));
        window.AddToList(f, true);
    }
    SYSTEMTIME local;
    ASSERT_TRUE(rt::FileModified(hidden, local));
    EXPECT_EQ(window.lv1.SubItem(0, 3), rt::FormatGeneralDate(local));
    EXPECT_EQ(local.wHour, 13);
}

// Sync selected without a master: the typed date is not used either.
TEST_F(AttributeRunTest, NoMasterWithSyncLeavesTheTimesAlone) {
    const std::string a = ListFile("a.txt", FILE_ATTRIBUTE_HIDDEN);
    const std::string b = ListFile("b.txt");
    dialog.optDate[0].SetValue(true);
    dialog.chkDate.SetValue(1);
    TypeDate("2024-07-15");

    EXPECT_EQ(Proceed(), Complete(0));
    EXPECT_EQ(ReadTimes(a), kOldTimes);
    EXPECT_EQ(ReadTimes(b), kOldTimes);
    EXPECT_EQ(RHS(a), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(window.lv1.Count(), 0);
}

// A date typed without its year, or with the day first, is still a date: the
// times become its day at local midnight. Text that is no date is no time
// step and no error; a date the platform cannot store is a failed step on
// every file.
TEST_F(AttributeRunTest, TypedDatesSetTheirDayOrLeaveTheTimesAlone) {
    SYSTEMTIME now;
    GetLocalTime(&now);
    const ULONGLONG feb3 = Utc(now.wYear, 2, 2, 23, 0, 0), feb13 = Utc(2001, 2, 12, 23, 0, 0);
    struct Case {
        const char* text;
        long errors;
        StoredTimes times;
    } cases[] = {
        {"2/3", 0, {feb3, feb3}},      {"13/2/2001", 0, {feb13, feb13}}, {"", 0, kOldTimes},
        {"no date", 0, kOldTimes},     {"2023-02-29", 0, kOldTimes},     {"31/31/2001", 0, kOldTimes},
        {"2/30/2001", 0, kOldTimes},   {"10000-01-01", 0, kOldTimes},    {"1600-06-01", 2, kOldTimes},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        quarnel::frmSettings d(window);
        ASSERT_TRUE(d.Load());
        d.chkDate.SetValue(1);
        d.txtDate.SetText(c.text);
        const std::string a = ListFile("a.txt"), b = ListFile("b.txt");
        long errors = 0;
        d.ApplyAttributes(errors);
        EXPECT_EQ(errors, c.errors);
        EXPECT_EQ(ReadTimes(a), c.times);
        EXPECT_EQ(ReadTimes(b), c.times);
    }
}

// The time step comes first and cannot open the file; clearing read-only
// afterwards works. The old dates stay, and that is counted.
TEST_F(AttributeRunTest, AReadOnlyFileKeepsItsTimesAndCountsOneError) {
    const std::string readOnly = ListFile("readonly.txt", FILE_ATTRIBUTE_READONLY);
    const std::string plain = ListFile("plain.txt");
    TypeDate("2024-01-15 12:00:00");

    EXPECT_EQ(Proceed(), Complete(1));
    EXPECT_EQ(ReadTimes(readOnly), kOldTimes);
    EXPECT_EQ(RHS(readOnly), 0u);
    const ULONGLONG utc = Utc(2024, 1, 15, 11, 0, 0);
    EXPECT_EQ(ReadTimes(plain), (StoredTimes{utc, utc}));
}

// Each failing file counts once, whatever failed; files not listed are left alone.
TEST_F(AttributeRunTest, ThreeMissingFilesAmongTenCountThree) {
    std::vector<std::string> present;
    for (int i = 0; i < 10; ++i) {
        const std::string name = "f" + std::to_string(i) + ".txt";
        if (i % 3 == 1) {
            window.AddToList(folder / name, true);
        } else {
            present.push_back(ListFile(name));
        }
    }
    const std::string unlisted = MakeFile("unlisted.txt");
    dialog.chkHidden.SetValue(1);
    TypeDate("2024-01-15");

    EXPECT_EQ(Proceed(), Complete(3));
    const ULONGLONG midnight = Utc(2024, 1, 14, 23, 0, 0);
    for (const std::string& f : present) {
        EXPECT_EQ(RHS(f), DWORD(FILE_ATTRIBUTE_HIDDEN)) << f;
        EXPECT_EQ(ReadTimes(f), (StoredTimes{midnight, midnight})) << f;
    }
    EXPECT_EQ(RHS(unlisted), 0u);
    EXPECT_EQ(ReadTimes(unlisted), kOldTimes);
    EXPECT_EQ(GetFileAttributesA((folder / "f1.txt").c_str()), INVALID_FILE_ATTRIBUTES);
}

// A folder takes attributes but no times; a path beyond the platform's limit takes neither.
TEST_F(AttributeRunTest, RowsThatAreNoFilesCountOnceEach) {
    const std::string sub = folder.MakeFolder("sub");
    window.AddToList(sub, true);
    window.AddToList(folder / std::string(300, 'x'), true);
    TypeDate("2024-01-15");
    EXPECT_EQ(Proceed(), Complete(2));
    EXPECT_TRUE(Attributes(sub) & FILE_ATTRIBUTE_DIRECTORY);
}

// A row up to the path limit takes the run; one past it, and one whose length
// wraps round to another file's path, fail and leave every file as it was.
TEST_F(AttributeRunTest, RowsPastThePathLimitFailAndReachNoOtherFile) {
    const std::string atLimit = ListFile(folder.NameForPathLength(rt::kLongestPath));
    const std::string pastLimit = ListFile(folder.NameForPathLength(rt::kLongestPath + 1));
    const std::string victim = MakeFile("victim.txt");
    window.AddToList(testkit::PathWrappingTo(victim), true);
    dialog.chkHidden.SetValue(1);
    TypeDate("2024-01-15");

    EXPECT_EQ(Proceed(), Complete(2));
    EXPECT_EQ(RHS(atLimit), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_NE(ReadTimes(atLimit), kOldTimes);
    for (const std::string& f : {pastLimit, victim}) {
        EXPECT_EQ(RHS(f), 0u) << f;
        EXPECT_EQ(ReadTimes(f), kOldTimes) << f;
    }
}

TEST_F(AttributeRunTest, TheMastersTimesAreCopiedToEveryFile) {
    const std::string master = MakeFile("master.txt");
    const StoredTimes masterTimes{Utc(2010, 5, 6, 7, 8, 9) + 1234567, Utc(2009, 1, 2, 3, 4, 5) + 7654321};
    HANDLE h = CreateFileA(master.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    const FILETIME a{DWORD(masterTimes.accessed), DWORD(masterTimes.accessed >> 32)};
    const FILETIME w{DWORD(masterTimes.written), DWORD(masterTimes.written >> 32)};
    ASSERT_TRUE(SetFileTime(h, &w, &a, &w));
    CloseHandle(h);
    const std::string x = ListFile("x.txt", FILE_ATTRIBUTE_HIDDEN), y = ListFile("y.txt");
    {
        testkit::DialogAnswerer answers;
        answers.Expect(testkit::TypeFileName(master));
        dialog.tbDir.PressButton("Browse");
    }
    dialog.optDate[0].SetValue(true);
    dialog.chkDate.SetValue(1);
    TypeDate("2024-01-15");  // not used: the master is

    EXPECT_EQ(Proceed(), Complete(0));
    EXPECT_EQ(ReadTimes(x), masterTimes);
    EXPECT_EQ(ReadTimes(y), masterTimes);
    EXPECT_EQ(RHS(x), DWORD(FILE_ATTRIBUTE_HIDDEN));
    EXPECT_EQ(ReadTimes(master), masterTimes);
}

// A master that vanished or is held open after "Browse": every file's step fails.
TEST_F(AttributeRunTest, AMasterThatCannotBeReadCountsEveryFile) {
    for (bool locked : {false, true}) {
        SCOPED_TRACE(locked ? "locked" : "gone");
        quarnel::frmSettings d(window);
        ASSERT_TRUE(d.Load());
        const std::string master = MakeFile("master.txt");
        {
            testkit::DialogAnswerer answers;
            answers.Expect(testkit::TypeFileName(master));
            d.tbDir.PressButton("Browse");
        }
        HANDLE hold = INVALID_HANDLE_VALUE;
        if (locked) {
            hold = CreateFileA(master.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
            ASSERT_NE(hold, INVALID_HANDLE_VALUE);
        } else {
            ASSERT_TRUE(DeleteFileA(master.c_str()));
        }
        d.optDate[0].SetValue(true);
        const std::string a = ListFile("a.txt"), b = ListFile("b.txt");
        long errors = 0;
        d.ApplyAttributes(errors);
        if (hold != INVALID_HANDLE_VALUE) CloseHandle(hold);
        EXPECT_EQ(errors, 2);
        EXPECT_EQ(ReadTimes(a), kOldTimes);
        EXPECT_EQ(ReadTimes(b), kOldTimes);
    }
}

}  // namespace
