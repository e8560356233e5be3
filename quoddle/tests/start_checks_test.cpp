// The start's checks before any window: the CD-ROM drives and the single instance.
#include <gtest/gtest.h>

#include <string>

#include "quoddle/modCommand.h"
#include "rt/app.h"
#include "testkit/dialog_answerer.h"

using namespace quoddle::modCommand;
using testkit::DialogAnswerer;
using testkit::Icon;

namespace {

std::string g_cdromLetters;

std::string FakeDriveType(const std::string& drive) {
    return g_cdromLetters.find(drive[0]) != std::string::npos ? "CDROM" : "FIXED";
}

class FindCDROMsTest : public ::testing::Test {
protected:
    void SetUp() override { before_ = SetDriveTypeFunction(FakeDriveType); }
    void TearDown() override { SetDriveTypeFunction(before_); }
    DriveTypeFunction before_ = nullptr;
};

}  // namespace

TEST_F(FindCDROMsTest, NoDriveEndsTheStartWithItsMessage) {
    g_cdromLetters = "AB";  // before C, never asked about
    DialogAnswerer kit;
    kit.Expect(testkit::Press(IDOK));
    EXPECT_FALSE(FindCDROMs(""));
    ASSERT_EQ(kit.Seen().size(), 1u);
    EXPECT_EQ(kit.Seen()[0].text, "No CDROM found, cannot continue.");
    EXPECT_EQ(kit.Seen()[0].title, rt::AppTitle() + " : Missing CDROM");
    EXPECT_EQ(kit.Seen()[0].icon, Icon::Error);
}

TEST_F(FindCDROMsTest, SeveralDrivesWarnOnlyAtAPlainStart) {
    DialogAnswerer kit;
    g_cdromLetters = "D";
    EXPECT_TRUE(FindCDROMs(""));
    EXPECT_TRUE(kit.Seen().empty());

    g_cdromLetters = "DEZ";
    EXPECT_TRUE(FindCDROMs("/play"));
    EXPECT_TRUE(kit.Seen().empty());

    kit.Expect(testkit::Press(IDOK));
    EXPECT_TRUE(FindCDROMs(""));
    ASSERT_EQ(kit.Seen().size(), 1u);
    EXPECT_EQ(kit.Seen()[0].text, "WARNING : " + rt::AppTitle() +
                                      " has found a total of 3 CDROM devices.\nThis program only supports the "
                                      "primary CDROM.");
    EXPECT_EQ(kit.Seen()[0].title, rt::AppTitle() + " : Multiple CDROM's Found");
    EXPECT_EQ(kit.Seen()[0].icon, Icon::Warning);
    EXPECT_EQ(kit.Seen()[0].buttons, std::vector<int>{IDOK});
}

TEST(SingleInstance, TheFirstCallerIsTheInstanceAndASecondProcessIsNot) {
    EXPECT_FALSE(AnotherInstanceRuns());
    EXPECT_FALSE(AnotherInstanceRuns());  // this process stays the instance

    // A second process of the same program finds the mark.
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string command = "\"" + std::string(self) + "\" --gtest_filter=SingleInstance.Probe";
    STARTUPINFOA start{};
    start.cb = sizeof start;
    PROCESS_INFORMATION process{};
    SetEnvironmentVariableA("QUODDLE_SECOND_INSTANCE", "1");
    const BOOL started = CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &start, &process);
    SetEnvironmentVariableA("QUODDLE_SECOND_INSTANCE", nullptr);
    ASSERT_TRUE(started);
    ASSERT_EQ(WaitForSingleObject(process.hProcess, 60000), WAIT_OBJECT_0);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    EXPECT_EQ(code, 0u);
}

// Run by the test above in a second process; on its own it is the instance.
TEST(SingleInstance, Probe) {
    const bool second = GetEnvironmentVariableA("QUODDLE_SECOND_INSTANCE", nullptr, 0) > 0;
    EXPECT_EQ(AnotherInstanceRuns(), second);
}
