#include "rt/format.h"

#include <gtest/gtest.h>

#include <climits>

namespace {

// The expected text with "," replaced by the user's thousands separator.
std::string Localized(std::string text) {
    char sep[8] = {};
    GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, sep, sizeof sep);
    for (size_t i = text.find(','); i != std::string::npos; i = text.find(',', i + 1)) {
        text.replace(i, 1, sep);
        i += strlen(sep) - 1;
    }
    return text;
}

TEST(Format, SizesHaveNineDigitsAtLeastInGroups) {
    struct Case { unsigned long long n; const char* text; } cases[] = {
        {0, "000,000,000"},
        {1234, "000,001,234"},
        {999999999, "999,999,999"},
        {1234567890, "1,234,567,890"},
        {18446744073709551615ULL, "18,446,744,073,709,551,615"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::FormatZeroPadded(c.n), Localized(c.text)) << c.n;
}

TEST(Format, CountsAreGroupedWithoutLeadingZeros) {
    struct Case { long long n; const char* text; } cases[] = {
        {0, "0"}, {7, "7"}, {999, "999"}, {1000, "1,000"}, {1234567, "1,234,567"},
        {-1234, "-1,234"}, {LLONG_MIN, "-9,223,372,036,854,775,808"},
    };
    for (const Case& c : cases) EXPECT_EQ(rt::FormatCount(c.n), Localized(c.text)) << c.n;
}

TEST(Format, GeneralDateIsShortDateAndLongTimeButMidnightAlone) {
    if (GetUserDefaultLCID() != MAKELCID(MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US), SORT_DEFAULT))
        GTEST_SKIP() << "the expected texts are those of English (United States)";
    EXPECT_EQ(rt::FormatGeneralDate({2020, 7, 3, 1, 14, 5, 9, 0}), "7/1/2020 2:05:09 PM");
    EXPECT_EQ(rt::FormatGeneralDate({2020, 7, 3, 1, 0, 0, 0, 0}), "7/1/2020");
    EXPECT_EQ(rt::FormatGeneralDate({2020, 7, 3, 1, 0, 0, 1, 0}), "7/1/2020 12:00:01 AM");
    EXPECT_EQ(rt::FormatGeneralDate({1999, 12, 5, 31, 23, 59, 59, 0}), "12/31/1999 11:59:59 PM");
}

}  // namespace
