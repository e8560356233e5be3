#include "rt/app.h"

#include <gtest/gtest.h>

TEST(App, FactsComeFromTheVersionResource) {
    EXPECT_EQ(rt::AppTitle(), "Runtime Test");
    EXPECT_EQ(rt::AppDescription(), "Runtime Test Description");
    EXPECT_EQ(rt::AppTitleWithVersion(), "Runtime Test 5.5.0");
    EXPECT_EQ(rt::AppExeName(), "runtime_tests");
}

TEST(App, CommandLineKeepsEverythingAfterTheProgramName) {
    struct Case { const char* raw; const char* rest; } cases[] = {
        {"prog.exe", ""},
        {"prog.exe  C:\\a b.txt ", "C:\\a b.txt "},
        {"\"C:\\my prog\\p.exe\" \"C:\\x y\\l.txt\"", "\"C:\\x y\\l.txt\""},
        {"\"C:\\p.exe\"C:\\a", "C:\\a"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::CommandLineAfterProgram(c.raw), c.rest) << c.raw;
}
