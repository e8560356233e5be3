#include "rename/modCommand.h"

#include <gtest/gtest.h>

namespace {

using renamer::ValidateText;

constexpr bool Y = true, N = false;

struct Case {
    const char* text;
    bool numbers, letters, spaces, symbols;
    const char* listed;
    bool valid;
    const char* trimmed;
};

// Codes after upper-casing: digits 48-57, letters 65-90; blanks are spaces;
// everything else (below 48, 58-64, above 90) is a symbol unless listed.
const Case kCases[] = {
    {"  a b  ", Y, Y, Y, Y, "", Y, "a b"},
    {"  ab  ", Y, Y, N, N, "", Y, "ab"},  // trimmed before the space test
    {"a b", Y, Y, N, Y, "", N, "a b"},
    {"a b", Y, Y, Y, N, "", Y, "a b"},  // a blank is no symbol
    {"a1", N, Y, Y, Y, "", N, "a1"},
    {"a1", Y, Y, N, N, "", Y, "a1"},
    {"abc", Y, N, Y, Y, "", N, "abc"},  // lower case counts as a letter
    {"123", Y, N, N, N, "", Y, "123"},
    {"", N, N, N, N, "", Y, ""},
    {"a.b", Y, Y, Y, N, "", N, "a.b"},
    {"a_b", Y, Y, Y, N, "_", Y, "a_b"},
    {"a_b", Y, Y, Y, N, "~!", N, "a_b"},
    {"!", N, N, N, N, "", N, "!"},
    {"!", N, N, N, Y, "", Y, "!"},
    {"/", Y, Y, Y, N, "", N, "/"},   // 47
    {":", Y, Y, Y, N, "", N, ":"},   // 58
    {"@", Y, Y, Y, N, "", N, "@"},   // 64
    {"@", Y, Y, Y, N, "@", Y, "@"},
    {"[", Y, Y, Y, N, "", N, "["},   // 91
    {"[", Y, Y, Y, N, "[]", Y, "["},
    {"`", Y, Y, Y, N, "", N, "`"},   // 96
    {"{", Y, Y, Y, N, "{}", Y, "{"},
    {"~", Y, Y, Y, N, "~", Y, "~"},
    {"\xE9", Y, Y, Y, N, "", N, "\xE9"},      // e acute: upper-cased to 201, a symbol
    {"\xE9", Y, Y, Y, N, "\xE9", N, "\xE9"},  // listed as written, compared upper-cased
    {"\xE9", Y, Y, Y, N, "\xC9", Y, "\xE9"},
    {"\xE9", Y, N, Y, Y, "", Y, "\xE9"},      // no letter
};

TEST(ValidateText, ChecksEachClassOfCharacterAndTrimsInPlace) {
    for (const Case& c : kCases) {
        std::string text = c.text;
        SCOPED_TRACE(std::string("\"") + c.text + "\" listed \"" + c.listed + "\"");
        EXPECT_EQ(ValidateText(text, c.numbers, c.letters, c.spaces, c.symbols, c.listed), c.valid);
        EXPECT_EQ(text, c.trimmed);
    }
}

}  // namespace
