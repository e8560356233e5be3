#include "rename/rename_checks.h"

#include <gtest/gtest.h>

namespace {

using renamer::CheckOutcome;
using renamer::CheckRenameInput;
using renamer::RenameField;

const char kPrefixRequired[] = "A file name prefix is required.";
const char kInvalidPrefix[] = "Invalid prefix name, cannot start with a number or symbol.";
const char kReserved[] = "Illegal prefix name, [rn~] is reserved.";
const char kNumberRequired[] = "Invalid starting number, a number is required.";

struct Refusal {
    const char* prefix;
    const char* start;
    const char* message;
    const char* topic;
    RenameField focus;
};

TEST(CheckRenameInput, RefusesInTheOrderOfTheChecks) {
    const Refusal cases[] = {
        {"", "01", kPrefixRequired, " : Prefix Required", RenameField::Prefix},
        {"   ", "x", kPrefixRequired, " : Prefix Required", RenameField::Prefix},  // before the number
        {"1abc", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {".x", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {",x", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {"+x", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {"'x", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {"\xE9x", "01", kInvalidPrefix, " : Invalid Prefix", RenameField::Prefix},
        {"RN~x", "01", kReserved, " : Error", RenameField::Prefix},
        {" rN~", "x", kReserved, " : Error", RenameField::Prefix},
        {"Pic", "", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
        {"Pic", "abc", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
        {"Pic", "1a", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
        // Numeric, but no 32-bit number once rounded.
        {"Pic", "9.9E+99", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
        {"Pic", "2147483648", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
        {"Pic", "-3E9", kNumberRequired, " : Starting Number Required", RenameField::StartNumber},
    };
    for (const Refusal& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.prefix + "\", \"" + c.start + "\"");
        const auto check = CheckRenameInput(c.prefix, c.start, 3);
        EXPECT_EQ(check.outcome, CheckOutcome::Refuse);
        EXPECT_EQ(check.message, c.message);
        EXPECT_EQ(check.topic, c.topic);
        EXPECT_EQ(check.focus, c.focus);
    }
}

struct Pass {
    const char* prefix;
    const char* start;
    std::size_t rows;
    bool warns;
    const char* usedPrefix;
    long usedStart;
    std::size_t width;
};

TEST(CheckRenameInput, PassesWithTheRunsSettingsAndWarnsBeyondEightCharacters) {
    const Pass cases[] = {
        {"_x", "01", 3, false, "_x", 1, 2},
        {"~x", "01", 3, false, "~x", 1, 2},
        {"a b", "01", 3, false, "a b", 1, 2},  // only the first character is tested
        {"a,b", "01", 3, false, "a,b", 1, 2},
        {"rn", "01", 3, false, "rn", 1, 2},
        {"  Pic  ", " 7 ", 3, false, "Pic", 7, 1},
        {"Pic", "1.5", 3, false, "Pic", 2, 3},  // rounded, a half to even
        {"Pic", "2.5", 3, false, "Pic", 2, 3},
        {"Pic", "-1", 3, false, "Pic", -1, 2},
        {"Pic", "01", 5, false, "Pic", 1, 2},
        {"abcdef", "01", 99, false, "abcdef", 1, 2},   // 6 + 2 = 8
        {"abcdef", "01", 100, true, "abcdef", 1, 2},   // last number 100: 6 + 3
        {"Prefix", "01", 150, true, "Prefix", 1, 2},
        {"abcdefg", "01", 1, true, "abcdefg", 1, 2},   // as typed: 7 + 2
        {"abcdefg", "1", 10, true, "abcdefg", 1, 1},  // 7 + 1 as typed, 7 + 2 at the end
        {"a", "2147483647", 2, true, "a", 2147483647, 10},  // the last number lies past 32 bits
    };
    for (const Pass& c : cases) {
        SCOPED_TRACE(std::string("\"") + c.prefix + "\", \"" + c.start + "\", " + std::to_string(c.rows));
        const auto check = CheckRenameInput(c.prefix, c.start, c.rows);
        ASSERT_NE(check.outcome, CheckOutcome::Refuse) << check.message;
        EXPECT_EQ(check.settings.prefix, c.usedPrefix);
        EXPECT_EQ(check.settings.start, c.usedStart);
        EXPECT_EQ(check.settings.width, c.width);
        if (c.warns) {
            EXPECT_EQ(check.outcome, CheckOutcome::AskLength);
            EXPECT_EQ(check.message, "You will exceed the 8 chearacter DOS limit.\n\nDo you wish to continue?");
            EXPECT_EQ(check.topic, " : Max Limit");
            EXPECT_EQ(check.focus, RenameField::None);
        } else {
            EXPECT_EQ(check.outcome, CheckOutcome::Proceed);
        }
    }
}

}  // namespace
