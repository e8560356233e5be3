#include "rt/convert.h"

#include <gtest/gtest.h>

#include <cmath>

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

TEST(Convert, RoundingTakesHalvesToTheEvenNeighbourWithinLongRange) {
    struct Case { double value; bool ok; long result; } cases[] = {
        {2.5, true, 2}, {3.5, true, 4}, {-0.5, true, 0}, {-1.5, true, -2}, {1.4999, true, 1},
        {-2.6, true, -3}, {2147483647.0, true, 2147483647}, {2147483647.5, false, 0},
        {-2147483648.5, true, -2147483647 - 1}, {-2147483649.0, false, 0}, {9.9e99, false, 0},
        {NAN, false, 0},
    };
    for (const Case& c : cases) {
        long result = 12345;
        EXPECT_EQ(rt::RoundToLong(c.value, result), c.ok) << c.value;
        if (c.ok) {
            EXPECT_EQ(result, c.result) << c.value;
        }
    }
    long n = 0;
    EXPECT_TRUE(rt::TextToLong(" 1.5 ", n));
    EXPECT_EQ(n, 2);
    EXPECT_TRUE(rt::TextToLong("-1", n));
    EXPECT_EQ(n, -1);
    EXPECT_FALSE(rt::TextToLong("9.9E+99", n));
    EXPECT_FALSE(rt::TextToLong("x", n));
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

TEST(Convert, IsoDatesWithOptionalTimes) {
    struct Case { const char* text; const char* read; } cases[] = {
        {"2026-03-14", "2026-03-14 00:00:00 w6"},
        {" 2024-02-29 ", "2024-02-29 00:00:00 w4"},
        {"2026-3-4 9:07", "2026-03-04 09:07:00 w3"},
        {"2026-03-14 23:59:58", "2026-03-14 23:59:58 w6"},
        {"2026-03-14 12:00:00 AM", "2026-03-14 00:00:00 w6"},
        {"2026-03-14 12:30 pm", "2026-03-14 12:30:00 w6"},
        {"2026-03-14 1:05:09 PM", "2026-03-14 13:05:09 w6"},
        {"1600-01-01", "1600-01-01 00:00:00 w6"},
        {"0100-01-01", "0100-01-01 00:00:00 w5"},
        {"9999-12-31", "9999-12-31 00:00:00 w5"},
        {"2026-02-30", "no date"}, {"2023-02-29", "no date"}, {"1900-02-29", "no date"},
        {"13/45/2020", "no date"}, {"abc", "no date"}, {"", "no date"}, {"   ", "no date"},
        {"10000-01-01", "no date"}, {"0099-01-01", "no date"}, {"2026-13-01", "no date"},
        {"2026-03-14 24:00", "no date"}, {"2026-03-14 10:60", "no date"}, {"2026-03-14 13:00 PM", "no date"},
        {"2026-03-14 10:00 XM", "no date"}, {"2026-03-14 x", "no date"}, {"2026-03", "no date"},
        {"2026-03-14-01", "no date"}, {"1.5", "no date"},
    };
    for (const Case& c : cases) EXPECT_EQ(Read(c.text), c.read) << c.text;
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

TEST(Convert, DatesInTheUsersOrderAndWithMonthNames) {
    char order[4] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_IDATE, order, sizeof order);
    auto dated = [&](const char* d, const char* m, const char* y) {
        std::string sep = "/";
        return order[0] == '1' ? std::string(d) + sep + m + sep + y
             : order[0] == '2' ? std::string(y) + sep + m + sep + d
                               : std::string(m) + sep + d + sep + y;
    };
    EXPECT_EQ(Read(dated("5", "11", "2025")), "2025-11-05 00:00:00 w3");
    EXPECT_EQ(Read(dated("05", "11", "25") + " 8:15"), "2025-11-05 08:15:00 w3");
    EXPECT_EQ(Read(dated("5", "11", "75")), "1975-11-05 00:00:00 w3");
    EXPECT_EQ(Read(dated("31", "4", "2025")), "no date");
    EXPECT_EQ(Read(dated("5", "11", "10000")), "no date");

    char march[40] = {}, mar[40] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SMONTHNAME3, march, sizeof march);
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SABBREVMONTHNAME3, mar, sizeof mar);
    EXPECT_EQ(Read(std::string("14 ") + march + " 2026"), "2026-03-14 00:00:00 w6");
    EXPECT_EQ(Read(std::string(mar) + " 14, 2026 10:00"), "2026-03-14 10:00:00 w6");
    EXPECT_EQ(Read(std::string("14 ") + march + "x 2026"), "no date");
}

}  // namespace
