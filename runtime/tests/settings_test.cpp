#include "rt/settings.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

class Settings : public ::testing::Test {
protected:
    const std::string app = "rt settings test " + std::to_string(GetCurrentProcessId());
    void TearDown() override { rt::DeleteSetting(app); }

    bool KeyExists(const std::string& path) {
        HKEY key;
        if (RegOpenKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
        RegCloseKey(key);
        return true;
    }
};

TEST_F(Settings, SavedValuesReadBackAndMissingOnesGiveTheDefault) {
    rt::SaveSetting(app, "Settings", "Color", "255");
    rt::SaveSetting(app, "Settings", "Name", "Caf\xe9 \"x\"");
    rt::SaveSetting(app, "Settings", "Empty", "");
    rt::SaveSetting(app, "Settings", "Color", "65280");
    EXPECT_EQ(rt::GetSetting(app, "Settings", "Color", "0"), "65280");
    EXPECT_EQ(rt::GetSetting(app, "Settings", "Name"), "Caf\xe9 \"x\"");
    EXPECT_EQ(rt::GetSetting(app, "Settings", "Empty", "dflt"), "");
    EXPECT_EQ(rt::GetSetting(app, "Settings", "Missing", "dflt"), "dflt");
    EXPECT_EQ(rt::GetSetting(app, "Other", "Color", "dflt"), "dflt");
    EXPECT_EQ(rt::GetSetting(app + " none", "Settings", "Color"), "");
    EXPECT_TRUE(KeyExists("Software\\" + app + "\\Settings"));
}

TEST_F(Settings, DeletingASectionKeepsTheOthersAndDeletingTheAppRemovesAll) {
    rt::SaveSetting(app, "Settings", "A", "1");
    rt::SaveSetting(app, "Window", "B", "2");
    rt::SaveSetting(app, "Window\\Deeper", "C", "3");

    rt::DeleteSetting(app, "Window");
    EXPECT_EQ(rt::GetSetting(app, "Window", "B", "gone"), "gone");
    EXPECT_FALSE(KeyExists("Software\\" + app + "\\Window"));
    EXPECT_EQ(rt::GetSetting(app, "Settings", "A"), "1");

    rt::DeleteSetting(app);
    EXPECT_FALSE(KeyExists("Software\\" + app));
    rt::DeleteSetting(app);  // deleting what is gone is quiet
}

}  // namespace
