// The settings dialog: its design, what it makes of the stored settings,
// and what "Apply", "Cancel" and the close box leave behind.
#include <windows.h>

#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "lumatra/frmSettings.h"
#include "lumatra_window_fixture.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using lumatra_test::LumatraWindowTest;
namespace modCommand = lumatra::modCommand;

namespace {

constexpr char kKeyPath[] = "Software\\Lumatra\\Settings";

// A value of the store's key; an int is stored as a double word, not text.
struct Stored {
    const char* key;
    std::optional<std::string> text;
    DWORD number = 0;
};

void Store(const std::vector<Stored>& values) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    for (const Stored& v : values) {
        if (v.text) {
            RegSetValueExA(key, v.key, 0, REG_SZ, reinterpret_cast<const BYTE*>(v.text->c_str()),
                           static_cast<DWORD>(v.text->size() + 1));
        } else {
            RegSetValueExA(key, v.key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.number), sizeof v.number);
        }
    }
    RegCloseKey(key);
}

// Every value of the section as text; empty when the section is missing.
std::map<std::string, std::string> StoredTexts() {
    std::map<std::string, std::string> texts;
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kKeyPath, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS) return texts;
    char name[64], data[64];
    for (DWORD i = 0;; ++i) {
        DWORD nameSize = sizeof name, dataSize = sizeof data, type = 0;
        if (RegEnumValueA(key, i, name, &nameSize, nullptr, &type, reinterpret_cast<BYTE*>(data), &dataSize) !=
            ERROR_SUCCESS)
            break;
        texts[name] = type == REG_SZ ? std::string(data) : "(not text)";
    }
    RegCloseKey(key);
    return texts;
}

struct Settings {
    int delay, loop, name, random;
    bool operator==(const Settings&) const = default;
};

Settings InUse() {
    return {modCommand::intCycleDelay, modCommand::intLoop, modCommand::intIncludeName, modCommand::intRandom};
}

void PrintTo(const Settings& s, std::ostream* os) {
    *os << "{" << s.delay << ", " << s.loop << ", " << s.name << ", " << s.random << "}";
}

lumatra::frmSettings* DialogIn(HWND hwnd) {
    auto* dialog = dynamic_cast<lumatra::frmSettings*>(rt::Form::FromHwnd(hwnd));
    EXPECT_TRUE(dialog);
    return dialog;
}

TEST_F(LumatraWindowTest, TheSettingsDialogIsAsDesigned) {
    lumatra::frmSettings dialog;
    dialog.Show();
    ASSERT_TRUE(dialog.IsLoaded());
    EXPECT_EQ(dialog.Caption(), "Settings");
    RECT client{};
    GetClientRect(dialog.hwnd(), &client);
    EXPECT_EQ(client.right, rt::TwipsToPixelsX(2910));
    EXPECT_EQ(client.bottom, rt::TwipsToPixelsY(2910));
    const LONG_PTR style = GetWindowLongPtrA(dialog.hwnd(), GWL_STYLE);
    EXPECT_TRUE(style & WS_BORDER);
    EXPECT_FALSE(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX));

    EXPECT_EQ(dialog.chkLoop.Caption(), "Continuous Loop");
    EXPECT_EQ(dialog.chkFileName.Caption(), "Include Name on Slide Show");
    EXPECT_EQ(dialog.chkRandom.Caption(), "Randomize Slide Show");
    EXPECT_EQ(dialog.chkSave.Caption(), "Save Settings Upon Exit");
    EXPECT_EQ(dialog.HScroll_Delay.Min(), 1);
    EXPECT_EQ(dialog.HScroll_Delay.Max(), 30);
    ASSERT_EQ(dialog.tbMain.ButtonCount(), 2);
    EXPECT_EQ(dialog.tbMain.Button(1).tag, "Cancel");
    EXPECT_EQ(dialog.tbMain.Button(2).caption, "Apply");
    EXPECT_EQ(dialog.tbMain.Button(2).toolTip, "Apply Settings");

    // The tab order: the scroll bar, then the four boxes.
    std::vector<HWND> order = {dialog.HScroll_Delay.hwnd(), dialog.chkLoop.hwnd(), dialog.chkFileName.hwnd(),
                               dialog.chkRandom.hwnd(), dialog.chkSave.hwnd()};
    for (size_t i = 0; i + 1 < order.size(); ++i)
        EXPECT_EQ(GetNextDlgTabItem(dialog.hwnd(), order[i], FALSE), order[i + 1]) << i;
    dialog.Unload();
}

// What the dialog shows, and the settings then in use, for what the store holds.
TEST_F(LumatraWindowTest, LoadingTakesTheStoredSettingsOrTheDesignValues) {
    const struct {
        const char* what;
        std::vector<Stored> stored;
        int delay, loop, name, random, save;
        const char* label;
    } cases[] = {
        {"first run: the defaults", {}, 5, 0, 1, 0, 0, "Cycle Delay: 5"},
        {"all stored",
         {{"CycleDelay", "12"}, {"Loop", "1"}, {"IncludeName", "0"}, {"Random", "1"}, {"Save", "1"}},
         12, 1, 0, 1, 1, "Cycle Delay: 12"},
        {"not numbers", {{"CycleDelay", "abc"}, {"IncludeName", "abc"}, {"Loop", ""}}, 1, 0, 0, 0, 0,
         "Cycle Delay:"},
        {"above the range", {{"CycleDelay", "31"}, {"IncludeName", "31"}, {"Random", "3"}}, 1, 0, 0, 0, 0,
         "Cycle Delay:"},
        {"below the range", {{"CycleDelay", "0"}, {"IncludeName", "0"}, {"Save", "-1"}}, 1, 0, 0, 0, 0,
         "Cycle Delay:"},
        {"halves to even", {{"CycleDelay", "2.5"}, {"IncludeName", "2.5"}, {"Loop", "0.5"}}, 2, 0, 2, 0, 0,
         "Cycle Delay: 2"},
        {"greyed", {{"CycleDelay", "3.5"}, {"IncludeName", "2"}, {"Random", "1.5"}}, 4, 0, 2, 2, 0,
         "Cycle Delay: 4"},
        {"double words", {{"CycleDelay", std::nullopt, 7}, {"IncludeName", std::nullopt, 1}}, 1, 0, 0, 0, 0,
         "Cycle Delay:"},
        {"beyond 16 bits", {{"CycleDelay", "65541"}, {"Loop", "1e10"}}, 1, 0, 1, 0, 0, "Cycle Delay:"},
        {"a delay of 1 keeps the design text", {{"CycleDelay", "1"}}, 1, 0, 1, 0, 0, "Cycle Delay:"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rt::DeleteSetting(rt::AppTitle());
        modCommand::SetSlideDefaults();
        Store(c.stored);

        lumatra::frmSettings dialog;
        ASSERT_TRUE(dialog.Load());
        EXPECT_EQ(dialog.HScroll_Delay.Value(), c.delay);
        EXPECT_EQ(dialog.chkLoop.Value(), c.loop);
        EXPECT_EQ(dialog.chkFileName.Value(), c.name);
        EXPECT_EQ(dialog.chkRandom.Value(), c.random);
        EXPECT_EQ(dialog.chkSave.Value(), c.save);
        EXPECT_EQ(dialog.lblDelay.Caption(), c.label);
        EXPECT_EQ(InUse(), (Settings{c.delay, c.loop, c.name, c.random}));
        dialog.Unload();
    }
}

TEST_F(LumatraWindowTest, MovingTheScrollBarWritesTheDelay) {
    lumatra::frmSettings dialog;
    ASSERT_TRUE(dialog.Load());
    dialog.HScroll_Delay.SetValue(30);
    EXPECT_EQ(dialog.lblDelay.Caption(), "Cycle Delay: 30");
    dialog.Unload();
}

// The dialog changed, then left by each of its ways.
TEST_F(LumatraWindowTest, ApplyStoresOrForgetsAndCancelChangesNothing) {
    const std::map<std::string, std::string> before = {
        {"CycleDelay", "9"}, {"IncludeName", "1"}, {"Loop", "0"}, {"Random", "1"}, {"Save", "1"}};
    const auto press = [](const char* button) { return [button](lumatra::frmSettings& d) { d.tbMain.PressButton(button); }; };
    const struct {
        const char* what;
        bool save;
        std::function<void(lumatra::frmSettings&)> leave;
        std::map<std::string, std::string> stored;
        Settings inUse;
    } cases[] = {
        {"Apply with Save ticked", true, press("Apply"),
         {{"CycleDelay", "12"}, {"IncludeName", "2"}, {"Loop", "1"}, {"Random", "1"}, {"Save", "1"}},
         {12, 1, 2, 1}},
        {"Apply with Save unticked", false, press("Apply"), {}, {12, 1, 2, 1}},
        {"Cancel", true, press("Cancel"), before, {9, 0, 1, 1}},
        {"the close box", true, [](lumatra::frmSettings& d) { SendMessageA(d.hwnd(), WM_CLOSE, 0, 0); }, before,
         {9, 0, 1, 1}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        rt::DeleteSetting(rt::AppTitle());
        modCommand::SetSlideDefaults();
        Store({{"CycleDelay", "9"}, {"Loop", "0"}, {"IncludeName", "1"}, {"Random", "1"}, {"Save", "1"}});

        lumatra::frmSettings dialog;
        dialog.Show();
        ASSERT_TRUE(dialog.IsLoaded());
        EXPECT_EQ(InUse(), (Settings{9, 0, 1, 1}));  // loading took the store
        dialog.HScroll_Delay.SetValue(12);
        dialog.chkLoop.SetValue(1);
        dialog.chkFileName.SetValue(2);
        dialog.chkSave.SetValue(c.save ? 1 : 0);
        c.leave(dialog);

        EXPECT_FALSE(dialog.IsLoaded());
        EXPECT_EQ(StoredTexts(), c.stored);
        EXPECT_EQ(InUse(), c.inUse);
    }
}

// "Settings" opens the dialog modally, owned by the list window, also on an
// empty list.
TEST_F(LumatraWindowTest, TheSettingsButtonOpensTheDialog) {
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::ClickToolButton("Cancel", [&](HWND h) {
        EXPECT_EQ(GetWindow(h, GW_OWNER), window.hwnd());
        if (auto* d = DialogIn(h)) {
            EXPECT_EQ(d->HScroll_Delay.Value(), 5);
        }
    }));
    window.tbMain.PressButton("Settings");
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].title, "Settings");
}

}  // namespace
