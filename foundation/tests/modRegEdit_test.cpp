#include "foundation/modRegEdit.h"

#include <gtest/gtest.h>
#include <shlwapi.h>

#include <string>

using namespace std::string_literals;
using modRegEdit::ReadKeyValue;
using modRegEdit::ReadRegValue;
using modRegEdit::RegValue;
using modRegEdit::WriteKeyValue;
using modRegEdit::WriteRegValue;

namespace {

// Each test works below a key of its own in the user's hive.
class RegEditTest : public ::testing::Test {
protected:
    void SetUp() override {
        base_ = "Software\\FiletoolsTests\\RegEdit" + std::to_string(GetCurrentProcessId()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name();
    }
    void TearDown() override { SHDeleteKeyA(HKEY_CURRENT_USER, base_.c_str()); }

    // Stores raw data the way another program might, bypassing the module.
    void StoreRaw(const std::string& name, DWORD type, const std::string& bytes) {
        HKEY key = nullptr;
        ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, base_.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                                  nullptr),
                  ERROR_SUCCESS);
        ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, type, reinterpret_cast<const BYTE*>(bytes.data()),
                                 static_cast<DWORD>(bytes.size())),
                  ERROR_SUCCESS);
        RegCloseKey(key);
    }

    // The stored type and bytes, read past the module.
    bool Stored(const std::string& sub, const std::string& name, DWORD& type, std::string& bytes) {
        HKEY key = nullptr;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, (base_ + sub).c_str(), 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
            return false;
        char data[512];
        DWORD size = sizeof data;
        const LONG rc = RegQueryValueExA(key, name.c_str(), nullptr, &type, reinterpret_cast<BYTE*>(data), &size);
        RegCloseKey(key);
        if (rc != ERROR_SUCCESS) return false;
        bytes.assign(data, size);
        return true;
    }

    std::string base_;
};

}  // namespace

TEST_F(RegEditTest, WriteChoosesTheTypeAndConvertsTheCallersValue) {
    const struct {
        RegValue value;
        bool asString;
        DWORD storedType;
        std::string storedBytes;
        RegValue valueAfter;
    } cases[] = {
        // A command line is no number: text, and the caller's value stays text.
        {"\"C:\\Quoddle\\quoddle.exe\" /PLAY %1"s, false, REG_SZ, "\"C:\\Quoddle\\quoddle.exe\" /PLAY %1\0"s,
         "\"C:\\Quoddle\\quoddle.exe\" /PLAY %1"s},
        // The text of a whole number becomes a double word and the value an integer.
        {"42"s, false, REG_DWORD, "\x2a\0\0\0"s, 42L},
        {-5L, false, REG_DWORD, "\xfb\xff\xff\xff"s, -5L},
        {"42"s, true, REG_SZ, "42\0"s, "42"s},
        {7L, true, REG_SZ, "7\0"s, 7L},
        {""s, true, REG_SZ, "\0"s, ""s},
    };
    for (auto c : cases) {
        const std::string label = c.storedBytes;
        EXPECT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_, "Value", c.value, c.asString, ""), 0) << label;
        DWORD type = 0;
        std::string bytes;
        ASSERT_TRUE(Stored("", "Value", type, bytes)) << label;
        EXPECT_EQ(type, c.storedType) << label;
        EXPECT_EQ(bytes, c.storedBytes) << label;
        EXPECT_EQ(c.value, c.valueAfter) << label;
    }
}

TEST_F(RegEditTest, WriteCreatesEveryMissingKeyOfThePath) {
    RegValue value = "x"s;
    ASSERT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_ + "\\AudioCD\\shell\\play\\command", "", value, true), 0);
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(Stored("\\AudioCD\\shell\\play\\command", "", type, bytes));
    EXPECT_EQ(bytes, "x\0"s);
}

TEST_F(RegEditTest, ReadsBackWhatWasWritten) {
    RegValue text = "cdplayer.exe /play %1"s;
    RegValue number = "-17"s;
    ASSERT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_, "", text, true), 0);
    ASSERT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_, "Number", number, false), 0);
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, base_, ""), RegValue("cdplayer.exe /play %1"s));
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, base_, "Number", "default"s), RegValue(-17L));
}

TEST_F(RegEditTest, ReadGivesTheDefaultWhereThereIsNoTextOrNumber) {
    StoreRaw("Empty", REG_SZ, "\0"s);
    StoreRaw("NoNul", REG_SZ, "abc");
    StoreRaw("NoBytes", REG_SZ, "");
    StoreRaw("Expand", REG_EXPAND_SZ, "%SystemRoot%\\x\0"s);
    StoreRaw("Binary", REG_BINARY, "\1\2\3"s);
    const RegValue fallback = "fallback"s;
    const struct {
        std::string sub, name;
        RegValue withDefault, withoutDefault;
    } cases[] = {
        {"", "Empty", ""s, ""s},
        {"", "NoNul", "abc"s, "abc"s},
        {"", "NoBytes", fallback, {}},
        {"", "Expand", fallback, {}},
        {"", "Binary", fallback, {}},
        {"", "Missing", fallback, {}},
        {"\\NoSuchKey", "Empty", fallback, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, base_ + c.sub, c.name, fallback), c.withDefault) << c.name;
        EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, base_ + c.sub, c.name), c.withoutDefault) << c.name;
    }
}

TEST_F(RegEditTest, KeyRoutinesRefuseOtherTypesAndLeaveTheValue) {
    StoreRaw("Binary", REG_BINARY, "\1\2"s);
    HKEY key = nullptr;
    ASSERT_EQ(RegOpenKeyExA(HKEY_CURRENT_USER, base_.c_str(), 0, KEY_ALL_ACCESS, &key), ERROR_SUCCESS);
    RegValue value = "untouched"s;
    EXPECT_EQ(ReadKeyValue(key, "Binary", value), -1);
    EXPECT_EQ(value, RegValue("untouched"s));
    EXPECT_EQ(ReadKeyValue(key, "Missing", value), ERROR_FILE_NOT_FOUND);
    EXPECT_EQ(value, RegValue("untouched"s));

    EXPECT_EQ(WriteKeyValue(key, "Binary", REG_BINARY, "ab"s), -1);
    EXPECT_EQ(WriteKeyValue(key, "Number", REG_DWORD, "not a number"s), -1);
    RegCloseKey(key);
    DWORD type = 0;
    std::string bytes;
    ASSERT_TRUE(Stored("", "Binary", type, bytes));
    EXPECT_EQ(bytes, "\1\2"s);
    EXPECT_FALSE(Stored("", "Number", type, bytes));
}

TEST_F(RegEditTest, UnreachableRegistryOrKeyGivesMinusOneAndTheDefault) {
    RegValue value = "x"s;
    EXPECT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_, "v", value, true, "\\\\NOSUCHMACHINE"), -1);
    EXPECT_EQ(ReadRegValue(HKEY_CURRENT_USER, base_, "v", "d"s, "\\\\NOSUCHMACHINE"), RegValue("d"s));
    // A key name longer than the registry allows cannot be created.
    EXPECT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_ + "\\" + std::string(300, 'k'), "v", value, true), -1);
    DWORD type = 0;
    std::string bytes;
    EXPECT_FALSE(Stored("", "v", type, bytes));
}

// The handle a fresh open gets: a key left open by the module takes a slot,
// and the next open comes out elsewhere.
HKEY NextKeyHandle() {
    HKEY key = nullptr;
    RegOpenKeyExA(HKEY_CURRENT_USER, "Software", 0, KEY_READ, &key);
    RegCloseKey(key);
    return key;
}

TEST_F(RegEditTest, LeavesNoKeyOpen) {
    RegValue value = "x"s;
    ASSERT_EQ(WriteRegValue(HKEY_CURRENT_USER, base_, "v", value, true), 0);
    const HKEY before = NextKeyHandle();
    WriteRegValue(HKEY_CURRENT_USER, base_, "v", value, true);
    ReadRegValue(HKEY_CURRENT_USER, base_, "v");
    ReadRegValue(HKEY_CURRENT_USER, base_, "Missing", "d"s);
    ReadRegValue(HKEY_CURRENT_USER, base_ + "\\Missing", "v");
    EXPECT_EQ(NextKeyHandle(), before);
}
