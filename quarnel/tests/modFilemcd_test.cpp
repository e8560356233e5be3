#include "quarnel/modFilemcd.h"

#include <gtest/gtest.h>

#include <string>

#include "create_file_recorder.h"
#include "rt/convert.h"
#include "testkit/temp_folder.h"

namespace {

using quarnel::CopyFileTimes;
using quarnel::SetFileTimes;

struct Times {
    ULONGLONG creation = 0, lastAccess = 0, lastWrite = 0;
    bool operator==(const Times&) const = default;
};

ULONGLONG Ticks(const FILETIME& f) { return (ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime; }
FILETIME ToFileTime(ULONGLONG t) { return {DWORD(t), DWORD(t >> 32)}; }

ULONGLONG Utc(WORD y, WORD mo, WORD d, WORD h, WORD mi, WORD s) {
    SYSTEMTIME st{y, mo, 0, d, h, mi, s, 0};
    FILETIME f;
    EXPECT_TRUE(SystemTimeToFileTime(&st, &f));
    return Ticks(f);
}

std::ostream& operator<<(std::ostream& os, const Times& t) {
    return os << "{created " << t.creation << ", accessed " << t.lastAccess << ", written " << t.lastWrite << "}";
}

// A folder of its own for each test, with files whose times the test sets.
class FileTimesTest : public ::testing::Test {
protected:
    // A file with the given times. Wine stores no creation time: it reads
    // back as the last-write time whatever was set.
    std::string MakeFile(const std::string& name, ULONGLONG accessed, ULONGLONG written, ULONGLONG created = 0) {
        const std::string path = folder_.Write(name, name);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        EXPECT_NE(h, INVALID_HANDLE_VALUE) << path;
        const FILETIME c = ToFileTime(created ? created : written), a = ToFileTime(accessed), w = ToFileTime(written);
        EXPECT_TRUE(SetFileTime(h, &c, &a, &w));
        CloseHandle(h);
        return path;
    }
    static Times Read(const std::string& path) {
        WIN32_FILE_ATTRIBUTE_DATA d;
        EXPECT_TRUE(GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) << path;
        return {Ticks(d.ftCreationTime), Ticks(d.ftLastAccessTime), Ticks(d.ftLastWriteTime)};
    }

    const testkit::TempFolder folder_;
};

// Held open without sharing, as another program might.
class ExclusiveHold {
public:
    explicit ExclusiveHold(const std::string& path)
        : h_(CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr)) {
        EXPECT_NE(h_, INVALID_HANDLE_VALUE);
    }
    ~ExclusiveHold() { CloseHandle(h_); }

private:
    HANDLE h_;
};

const ULONGLONG kMasterAccessed = Utc(2010, 5, 6, 7, 8, 9) + 1234567;
const ULONGLONG kMasterWritten = Utc(2001, 2, 3, 4, 5, 6) + 7654321;
const ULONGLONG kMasterCreated = Utc(1999, 12, 31, 23, 59, 58) + 1;
const ULONGLONG kTargetAccessed = Utc(2020, 1, 1, 0, 0, 0);
const ULONGLONG kTargetWritten = Utc(2019, 6, 1, 12, 0, 0);

void ExpectExclusiveOpen(const CreateFileCall& call, const std::string& path, DWORD access, DWORD securityLength) {
    EXPECT_EQ(call.path, path);
    EXPECT_EQ(call.access, access);
    EXPECT_EQ(call.share, 0u);
    EXPECT_TRUE(call.hasSecurity);
    EXPECT_EQ(call.securityLength, securityLength);
    EXPECT_EQ(call.disposition, DWORD(OPEN_EXISTING));
    EXPECT_EQ(call.flags, 0u);
    EXPECT_FALSE(call.hasTemplate);
}

TEST_F(FileTimesTest, CopyFileTimesGivesTheTargetTheMastersStoredTimes) {
    const std::string master = MakeFile("master.txt", kMasterAccessed, kMasterWritten, kMasterCreated);
    const std::string target = MakeFile("target.txt", kTargetAccessed, kTargetWritten);
    const Times masterTimes = Read(master);

    CreateFileRecorder opens;
    ASSERT_TRUE(opens.installed());
    EXPECT_TRUE(CopyFileTimes(master, target));

    // Exact to 100 ns, creation time included: copied on Windows; under Wine
    // it reads back as the last-write time on both files.
    EXPECT_EQ(Read(target), masterTimes);
    EXPECT_EQ(Read(target).lastAccess, kMasterAccessed);
    EXPECT_EQ(Read(target).lastWrite, kMasterWritten);
    ASSERT_EQ(opens.calls().size(), 2u);
    ExpectExclusiveOpen(opens.calls()[0], master, GENERIC_READ, 0);
    ExpectExclusiveOpen(opens.calls()[1], target, GENERIC_WRITE, 0);
}

TEST_F(FileTimesTest, ALockedMasterIsTriedTwiceThenGivenUp) {
    const std::string master = MakeFile("master.txt", kMasterAccessed, kMasterWritten);
    const std::string target = MakeFile("target.txt", kTargetAccessed, kTargetWritten);
    const Times before = Read(target);
    ExclusiveHold hold(master);

    CreateFileRecorder opens;
    ASSERT_TRUE(opens.installed());
    EXPECT_FALSE(CopyFileTimes(master, target));

    EXPECT_EQ(Read(target), before);
    ASSERT_EQ(opens.calls().size(), 2u) << "the master twice, the target never";
    ExpectExclusiveOpen(opens.calls()[0], master, GENERIC_READ, 0);
    ExpectExclusiveOpen(opens.calls()[1], master, GENERIC_READ, sizeof(SECURITY_ATTRIBUTES));
}

// Every target that cannot be written keeps its times, and both routines say so.
TEST_F(FileTimesTest, TargetsThatCannotBeWrittenKeepTheirTimes) {
    const std::string master = MakeFile("master.txt", kMasterAccessed, kMasterWritten);
    const SYSTEMTIME date{2024, 7, 0, 15, 13, 14, 15, 0};

    const std::string readOnly = MakeFile("readonly.txt", kTargetAccessed, kTargetWritten);
    ASSERT_TRUE(SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY));
    const std::string locked = MakeFile("locked.txt", kTargetAccessed, kTargetWritten);
    ExclusiveHold hold(locked);
    const std::string folder = folder_.MakeFolder("folder");

    for (const std::string& target : {readOnly, locked, folder}) {
        SCOPED_TRACE(target);
        const Times before = Read(target);
        EXPECT_FALSE(CopyFileTimes(master, target));
        EXPECT_FALSE(SetFileTimes(date, target));
        EXPECT_EQ(Read(target), before);
    }
    const std::string missing = folder_ / "missing.txt";
    EXPECT_FALSE(CopyFileTimes(master, missing));
    EXPECT_FALSE(SetFileTimes(date, missing));
    EXPECT_EQ(GetFileAttributesA(missing.c_str()), INVALID_FILE_ATTRIBUTES);

    const std::string target = MakeFile("target.txt", kTargetAccessed, kTargetWritten);
    const Times before = Read(target);
    EXPECT_FALSE(CopyFileTimes(folder_ / "no master.txt", target));
    EXPECT_EQ(Read(target), before);
}

// The date is local time (Europe/Berlin: UTC+2 in summer, UTC+1 in winter).
TEST_F(FileTimesTest, SetFileTimesStoresTheUtcOfTheLocalDate) {
    struct Case {
        SYSTEMTIME date;
        ULONGLONG utc;
    } cases[] = {
        {{2024, 7, 3, 15, 13, 14, 15, 999}, Utc(2024, 7, 15, 11, 14, 15)},  // day of week, milliseconds ignored
        {{2024, 1, 0, 15, 13, 14, 15, 0}, Utc(2024, 1, 15, 12, 14, 15)},
        {{2024, 1, 0, 1, 0, 30, 0, 0}, Utc(2023, 12, 31, 23, 30, 0)},  // the day before in UTC
        {{2024, 3, 0, 31, 3, 0, 0, 0}, Utc(2024, 3, 31, 1, 0, 0)},     // the first hour of summer time
        {{1990, 7, 0, 1, 12, 0, 0, 0}, Utc(1990, 7, 1, 10, 0, 0)},
    };
    const std::string file = MakeFile("file.txt", kTargetAccessed, kTargetWritten);
    for (const Case& c : cases) {
        SCOPED_TRACE(c.date.wYear * 10000 + c.date.wMonth * 100 + c.date.wDay);
        EXPECT_TRUE(SetFileTimes(c.date, file));
        EXPECT_EQ(Read(file), (Times{c.utc, c.utc, c.utc}));
    }
}

// What the dialog hands over for a typed day: midnight, local time.
TEST_F(FileTimesTest, ATypedDayWithoutTimeSetsLocalMidnight) {
    const std::string file = MakeFile("file.txt", kTargetAccessed, kTargetWritten);
    for (const auto& [text, utc] : {std::pair{"2024-07-15", Utc(2024, 7, 14, 22, 0, 0)},
                                    std::pair{"2024-12-15", Utc(2024, 12, 14, 23, 0, 0)}}) {
        SCOPED_TRACE(text);
        SYSTEMTIME date;
        ASSERT_TRUE(rt::ToDate(text, date));
        EXPECT_TRUE(SetFileTimes(date, file));
        EXPECT_EQ(Read(file), (Times{utc, utc, utc}));
    }
}

// Dates the platform cannot store are refused before the file is opened.
TEST_F(FileTimesTest, DatesBefore1601OrImpossibleAreRefusedWithoutOpening) {
    const SYSTEMTIME dates[] = {
        {1600, 12, 0, 31, 23, 59, 59, 0},
        {1066, 10, 0, 14, 12, 0, 0, 0},
        {1601, 1, 0, 1, 0, 30, 0, 0},  // local, so its UTC lies in 1600
        {2023, 2, 0, 29, 0, 0, 0, 0},
        {2024, 2, 0, 30, 0, 0, 0, 0},
        {2024, 4, 0, 31, 0, 0, 0, 0},
        {2024, 13, 0, 1, 0, 0, 0, 0},
        {2024, 7, 0, 15, 24, 0, 0, 0},
    };
    const std::string file = MakeFile("file.txt", kTargetAccessed, kTargetWritten);
    const Times before = Read(file);
    for (const SYSTEMTIME& date : dates) {
        SCOPED_TRACE(date.wYear * 10000 + date.wMonth * 100 + date.wDay);
        CreateFileRecorder opens;
        ASSERT_TRUE(opens.installed());
        EXPECT_FALSE(SetFileTimes(date, file));
        EXPECT_TRUE(opens.calls().empty());
    }
    EXPECT_EQ(Read(file), before);
}

TEST_F(FileTimesTest, SetFileTimesOpensTheFileExclusivelyForWriting) {
    const std::string file = MakeFile("file.txt", kTargetAccessed, kTargetWritten);
    CreateFileRecorder opens;
    ASSERT_TRUE(opens.installed());
    EXPECT_TRUE(SetFileTimes({2024, 7, 0, 15, 0, 0, 0, 0}, file));
    ASSERT_EQ(opens.calls().size(), 1u);
    ExpectExclusiveOpen(opens.calls()[0], file, GENERIC_WRITE, 0);
}

}  // namespace
