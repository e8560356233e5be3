#include "rt/convert.h"

#include <gtest/gtest.h>

#include "rt/format.h"

namespace {

TEST(Convert, TrimRemovesSpacesOnlyAndCaseFollowsTheCodePage) {
    EXPECT_EQ(rt::Trim("  a b  "), "a b");
    EXPECT_EQ(rt::Trim("\t a \t"), "\t a \t");
    EXPECT_EQ(rt::Trim("   "), "");
    EXPECT_EQ(rt::TrimLeft("  a  "), "a  ");
    EXPECT_EQ(rt::TrimRight("  a  "), "  a");
    EXPECT_EQ(rt::UCase("rn~Pic01.jpg"), "RN~PIC01.JPG");
    EXPECT_EQ(rt::LCase("RN~Pic"), "rn~pic");
    EXPECT_EQ(rt::UCase(std::string("a\0b", 3)), std::string("A\0B", 3));
    if (GetACP() == 1252) {
        EXPECT_EQ(rt::UCase("\xe4\xe9"), "\xc4\xc9");
        EXPECT_EQ(rt::LCase("\xc4\xc9"), "\xe4\xe9");
    }
}

TEST(Convert, NumericTextReadsAsClassicBasicReadsIt) {
    struct Case { const char* text; bool numeric; double value; } cases[] = {
        {"1.5", true, 1.5}, {" 12 ", true, 12}, {"-7", true, -7}, {"+3", true, 3},
        {"9.9E+99", true, 9.9e99}, {"1e-3", true, 0.001}, {".5", true, 0.5}, {"01", true, 1},
        {"", false, 0}, {"  ", false, 0}, {"1,5x", false, 0}, {"abc", false, 0}, {"-", false, 0},
        {".", false, 0}, {"1.2.3", false, 0}, {"1e", false, 0}, {"1e999", false, 0},
    };
    char decimal[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, decimal, sizeof decimal);
    for (const Case& c : cases) {
        std::string text = c.text;
        for (char& ch : text)
            if (ch == '.' && decimal[0] != '.' && decimal[1] == 0) ch = decimal[0];
        double value = 0;
        EXPECT_EQ(rt::IsNumeric(text), c.numeric) << text;
        EXPECT_EQ(rt::ToDouble(text, value), c.numeric) << text;
        if (c.numeric) {
            EXPECT_DOUBLE_EQ(value, c.value) << text;
        }
    }
    EXPECT_FALSE(rt::IsNumeric(std::string("12\0x", 4)));
}

// The tables below are written for the US English locale the tests run in.
bool UsEnglish() { return GetUserDefaultLCID() == MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT); }

TEST(Convert, WholeNumbersRoundHalvesToEvenAndStayInTheirRange) {
    ASSERT_TRUE(UsEnglish()) << "locale " << GetUserDefaultLCID();
    struct Case {
        const char* text;
        bool integer;  // converts to 16 bits
        short i;
        bool isLong;   // converts to 32 bits
        long l;
    } cases[] = {
        {"1.0", true, 1, true, 1},          {"1.5", true, 2, true, 2},
        {"2.5", true, 2, true, 2},          {"3.5", true, 4, true, 4},
        {"-0.5", true, 0, true, 0},         {"-1.5", true, -2, true, -2},
        {"1.4999", true, 1, true, 1},       {"&H1", true, 1, true, 1},
        {"&HFF", true, 255, true, 255},     {"&HFFFF", true, -1, true, 65535},
        {"&HFFFFFFFF", false, 0, true, -1}, {"&O17", true, 15, true, 15},
        {" 1 ", true, 1, true, 1},          {"1e3", true, 1000, true, 1000},
        {"255.5", true, 256, true, 256},    {"3.", true, 3, true, 3},
        {"-1", true, -1, true, -1},         {"+3", true, 3, true, 3},
        {"05", true, 5, true, 5},           {"(5)", true, -5, true, -5},
        {"1,000", true, 1000, true, 1000},  {"32767", true, 32767, true, 32767},
        {"32767.5", false, 0, true, 32768}, {"-32768.5", true, -32768, true, -32768},
        {"99999", false, 0, true, 99999},   {"2147483647", false, 0, true, 2147483647},
        {"2147483647.5", false, 0, false, 0}, {"-2147483649", false, 0, false, 0},
        {"9.9E+99", false, 0, false, 0},    {"abc", false, 0, false, 0},
        {"", false, 0, false, 0},           {"  ", false, 0, false, 0},
        {"3x", false, 0, false, 0},         {"1 2", false, 0, false, 0},
        {"&H", false, 0, false, 0},         {"1e", false, 0, false, 0},
    };
    for (const Case& c : cases) {
        short i = 123;
        long l = 12345;
        EXPECT_EQ(rt::TextToInteger(c.text, i), c.integer) << c.text;
        EXPECT_EQ(i, c.integer ? c.i : 123) << c.text;  // untouched when it does not convert
        EXPECT_EQ(rt::TextToLong(c.text, l), c.isLong) << c.text;
        EXPECT_EQ(l, c.isLong ? c.l : 12345) << c.text;
    }
    short i = 0;
    EXPECT_FALSE(rt::TextToInteger(std::string("12\0x", 4), i));
}

std::string Text(const SYSTEMTIME& t) {
    char buf[40];
    wsprintfA(buf, "%04u-%02u-%02u %02u:%02u:%02u w%u", t.wYear, t.wMonth, t.wDay, t.wHour, t.wMinute, t.wSecond,
              t.wDayOfWeek);
    return buf;
}

std::string Read(const std::string& s) {
    SYSTEMTIME t;
    if (!rt::ToDate(s, t)) return "no date";
    EXPECT_EQ(t.wMilliseconds, 0) << s;
    EXPECT_TRUE(rt::IsDate(s)) << s;
    return Text(t);
}

TEST(Convert, DatesInTheFormsThePlatformTakes) {
    ASSERT_TRUE(UsEnglish()) << "locale " << GetUserDefaultLCID();
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::string thisYear = std::to_string(now.wYear);
    struct Case { const char* text; std::string read; } cases[] = {
        {"2/3", thisYear + "-02-03 00:00:00"},         // the current year
        {"2/3 10:00", thisYear + "-02-03 10:00:00"},
        {"13/2/2001", "2001-02-13 00:00:00"},          // 13 is no month: day and month change places
        {"2001-02-03", "2001-02-03 00:00:00"},
        {"Feb 3, 2001", "2001-02-03 00:00:00"},
        {"3 Feb 2001", "2001-02-03 00:00:00"},
        {"14 March 2026", "2026-03-14 00:00:00"},
        {"2001/2/3", "2001-02-03 00:00:00"},
        {" 2/3/2001 ", "2001-02-03 00:00:00"},
        {"2/3/01", "2001-02-03 00:00:00"},
        {"2/3/75", "1975-02-03 00:00:00"},
        {"2/29/2024", "2024-02-29 00:00:00"},
        {"12:30", "1899-12-30 12:30:00"},               // a time alone
        {"2/3/2001 12:30:45", "2001-02-03 12:30:45"},
        {"3/14/2026 1:05:09 PM", "2026-03-14 13:05:09"},
        {"2026-03-14 12:00:00 AM", "2026-03-14 00:00:00"},
        {"1600-01-01", "1600-01-01 00:00:00"},
        {"9999-12-31", "9999-12-31 00:00:00"},
        {"31/31/2001", "no date"}, {"2/30/2001", "no date"}, {"2023-02-29", "no date"},
        {"13/13/2001", "no date"}, {"2.3.2001", "no date"},  {"abc", "no date"},
        {"", "no date"},           {"   ", "no date"},        {"5", "no date"},
        {"10000-01-01", "no date"}, {"2/3/2001 25:00", "no date"}, {"2026-03-14 10:60", "no date"},
        {"14 Marchx 2026", "no date"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Read(c.text).substr(0, 19), c.read) << c.text;  // the day of the week aside
        EXPECT_EQ(rt::IsDate(c.text), c.read != "no date") << c.text;
    }
    SYSTEMTIME t{};
    EXPECT_FALSE(rt::ToDate(std::string("2/3\0/2001", 9), t));
}

TEST(Convert, TheUsersOwnDateAndGeneralDateTextsReadBack) {
    const SYSTEMTIME samples[] = {
        {2026, 3, 6, 14, 0, 0, 0, 0}, {1999, 12, 5, 31, 23, 59, 59, 0}, {2024, 2, 4, 29, 12, 0, 1, 0},
        {2020, 1, 3, 1, 0, 30, 0, 0}, {1601, 1, 1, 1, 9, 8, 7, 0},
    };
    for (const SYSTEMTIME& t : samples) {
        char shortDate[64] = {};
        GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &t, nullptr, shortDate, sizeof shortDate);
        SYSTEMTIME day = t;
        day.wHour = day.wMinute = day.wSecond = 0;
        EXPECT_EQ(Read(shortDate), Text(day)) << shortDate;
        std::string general = rt::FormatGeneralDate(t);
        EXPECT_EQ(Read(general), Text(t)) << general;
    }
}

}  // namespace
