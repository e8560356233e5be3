// The player's stored settings, its command line and the default-player switch.
#include <gtest/gtest.h>

#include <windows.h>

#include <map>
#include <optional>
#include <string>

#include "foundation/modRegEdit.h"
#include "quoddle/default_player.h"
#include "quoddle/frmQuoddle.h"
#include "quoddle/modCommand.h"
#include "quoddle/modWin32Api.h"
#include "rt/app.h"
#include "rt/convert.h"
#include "rt/settings.h"
#include "testkit/temp_folder.h"

using namespace quoddle::modCommand;

namespace {

struct Flags {
    short save, continuous, stop, eject, tray;
    long colour;
    bool operator==(const Flags&) const = default;
};
const Flags kDefaults{0, 1, 1, 0, 0, 65280};

Flags Current() {
    return {intSaveSettings, intContinuousPlay, intStopOnExit, intEjectOnExit, intTrayIcon, lngColorCode};
}

void StoreSettings(const std::map<std::string, std::string>& values) {
    rt::DeleteSetting(rt::AppTitle());
    for (const auto& [key, value] : values) rt::SaveSetting(rt::AppTitle(), kSettingsSection, key, value);
}

void StoreNumber(const char* key, DWORD number) {
    HKEY k = nullptr;
    const std::string path = "Software\\" + rt::AppTitle() + "\\" + kSettingsSection;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, path.c_str(), 0, nullptr, 0, KEY_SET_VALUE, nullptr, &k, nullptr), 0);
    RegSetValueExA(k, key, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&number), sizeof number);
    RegCloseKey(k);
}

}  // namespace

TEST(PlayerSettings, LoadsStoredFlagsOnlyUnderRememberYesAndKeepsDefaultsForWhatDoesNotRead) {
    struct Case {
        const char* what;
        std::map<std::string, std::string> stored;
        Flags expected;
    };
    const std::map<std::string, std::string> options = {{"ContinuousPlay", "0"}, {"StopOnExit", "0"},
                                                        {"EjectOnExit", "1"},    {"TrayIcon", "1"},
                                                        {"ColorCode", "255"}};
    auto with = [&](std::map<std::string, std::string> extra) {
        auto all = options;
        for (auto& [k, v] : extra) all[k] = v;
        return all;
    };
    const Case cases[] = {
        {"nothing stored", {}, kDefaults},
        {"options without Remember", options, kDefaults},
        {"Remember in other case", with({{"Remember", "yes"}}), kDefaults},
        {"Remember Yes", with({{"Remember", "Yes"}}), {1, 0, 0, 1, 1, 255}},
        {"values that do not convert",
         {{"Remember", "Yes"}, {"ContinuousPlay", "abc"}, {"StopOnExit", "3x"}, {"EjectOnExit", ""},
          {"TrayIcon", "99999"}, {"ColorCode", "99999999999"}},
         {1, 1, 1, 0, 0, 65280}},
        {"values that convert: decimals, hexadecimal, exponents",
         {{"Remember", "Yes"}, {"ContinuousPlay", "1.5"}, {"StopOnExit", "&H0"}, {"EjectOnExit", "1e3"},
          {"TrayIcon", "&H1"}, {"ColorCode", "&HFF"}},
         {1, 2, 0, 1000, 1, 255}},
        {"fractions round, a half to the even neighbour",
         {{"Remember", "Yes"}, {"ContinuousPlay", "2.5"}, {"EjectOnExit", "1.0"}, {"TrayIcon", "-1"},
          {"ColorCode", "255.5"}},
         {1, 2, 1, 1, -1, 256}},
        {"numbers outside the swatches and the boxes are kept",
         {{"Remember", "Yes"}, {"ContinuousPlay", " 5 "}, {"ColorCode", "1234567"}},
         {1, 5, 1, 0, 0, 1234567}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        StoreSettings(c.stored);
        intSaveSettings = 7;
        LoadSettings();
        EXPECT_EQ(Current(), c.expected);
    }

    // A number stored as a double word where text belongs reads as nothing.
    StoreSettings({{"Remember", "Yes"}});
    StoreNumber("ContinuousPlay", 0);
    StoreNumber("ColorCode", 255);
    LoadSettings();
    EXPECT_EQ(Current(), (Flags{1, 1, 1, 0, 0, 65280}));
    rt::DeleteSetting(rt::AppTitle());
}

TEST(PlayerSettings, SaveThenLoadGivesTheSameFlags) {
    rt::DeleteSetting(rt::AppTitle());
    intContinuousPlay = 0;
    intStopOnExit = 0;
    intEjectOnExit = 1;
    intTrayIcon = 1;
    lngColorCode = 0xFFFF00;
    SaveSettings();
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "Remember"), "Yes");
    EXPECT_EQ(rt::GetSetting(rt::AppTitle(), kSettingsSection, "ColorCode"), "16776960");
    LoadSettings();
    EXPECT_EQ(Current(), (Flags{1, 0, 0, 1, 1, 0xFFFF00}));
    rt::DeleteSetting(rt::AppTitle());
}

TEST(PlayerCommandLine, ReadsPlayFirstThenTheFirstTrackOfACdaPath) {
    using Kind = CommandLineRequest::Kind;
    struct Case {
        std::string line;
        Kind kind;
        short track;
    };
    const Case cases[] = {
        {"", Kind::Nothing, 0},
        {"/play", Kind::PlayDisc, 0},
        {"please /Play now", Kind::PlayDisc, 0},
        {"D:\\Track05.cda /PLAY", Kind::PlayDisc, 0},
        {"D:\\Track05.cda", Kind::PlayTrack, 5},
        {"d:\\track12.CDA", Kind::PlayTrack, 12},
        {"D:\\Track12\\Track05.cda", Kind::PlayTrack, 12},   // only the first "TRACK" counts
        {"D:\\TRACK\\Track05.cda", Kind::Nothing, 0},       // "\T" is no number
        {"D:\\Track3.cda", Kind::PlayTrack, 3},           // "3." reads as 3
        {"D:\\Track 9.cda", Kind::PlayTrack, 9},
        {"D:\\Track5x.cda", Kind::Nothing, 0},
        {"D:\\Track-1.cda", Kind::Nothing, 0},
        {"D:\\Track00.cda", Kind::Nothing, 0},
        {"\"D:\\Track05.cda\"", Kind::Nothing, 0},           // ends in a quotation mark
        {"D:\\Track05.wav", Kind::Nothing, 0},
        {"Track", Kind::Nothing, 0},
        {"xTRACKcda", Kind::Nothing, 0},
        {std::string(5000, 'a') + "\\Track07.cda", Kind::PlayTrack, 7},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line.substr(0, 40));
        const CommandLineRequest r = ReadCommandLine(c.line);
        EXPECT_EQ(r.kind, c.kind);
        EXPECT_EQ(r.track, c.track);
    }
}

namespace {

std::string Command(const char* key) {
    const auto value = modRegEdit::ReadRegValue(HKEY_CLASSES_ROOT, key, "");
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : "<none>";
}

void SetCommands(const std::string& audio, const std::string& track) {
    modRegEdit::RegValue a = audio, t = track;
    modRegEdit::WriteRegValue(HKEY_CLASSES_ROOT, defaultPlayer::kAudioCDCommandKey, "", a, true);
    modRegEdit::WriteRegValue(HKEY_CLASSES_ROOT, defaultPlayer::kTrackCommandKey, "", t, true);
}

// The system's CD player is a stand-in file in the system folder for as long
// as the test wants it.
class SystemPlayer {
public:
    SystemPlayer() : path_(modWin32Api::GetSystemDir() + "cdplayer.exe") { testkit::WriteFileBytes(path_, "MZ"); }
    ~SystemPlayer() { DeleteFileA(path_.c_str()); }
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

}  // namespace

TEST(DefaultPlayer, WritesOurCommandsOrTheSystemPlayersAndDetectsOursInAnyCase) {
    SystemPlayer player;
    EXPECT_EQ(defaultPlayer::SystemPlayerFolder(), modWin32Api::GetSystemDir());  // the NT line
    ASSERT_TRUE(defaultPlayer::CanSwitch());
    const std::string own = rt::AppPath() + "\\" + rt::AppExeName() + ".exe";

    defaultPlayer::WriteCommands(true);
    EXPECT_EQ(Command(defaultPlayer::kAudioCDCommandKey), own + " /play");
    EXPECT_EQ(Command(defaultPlayer::kTrackCommandKey), own + " %1");
    EXPECT_TRUE(defaultPlayer::IsDefaultPlayer());

    defaultPlayer::WriteCommands(false);
    EXPECT_EQ(Command(defaultPlayer::kAudioCDCommandKey), player.path() + " /play %1");
    EXPECT_EQ(Command(defaultPlayer::kTrackCommandKey), player.path() + " -play %1");
    EXPECT_FALSE(defaultPlayer::IsDefaultPlayer());

    const std::string name = rt::AppExeName();
    std::string lower, upper;
    for (char ch : name) lower += static_cast<char>(tolower(static_cast<unsigned char>(ch)));
    for (char ch : name) upper += static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    SetCommands("C:\\X\\" + upper + ".EXE /PLAY", "c:\\x\\" + lower + ".exe %1");
    EXPECT_TRUE(defaultPlayer::IsDefaultPlayer());
    SetCommands("C:\\X\\" + upper + ".EXE /PLAY", "cdplayer.exe -play %1");
    EXPECT_FALSE(defaultPlayer::IsDefaultPlayer());
}

TEST(DefaultPlayer, CannotSwitchWithoutTheSystemPlayer) {
    DeleteFileA((modWin32Api::GetSystemDir() + "cdplayer.exe").c_str());
    EXPECT_FALSE(defaultPlayer::CanSwitch());
}

TEST(DefaultPlayer, TheWindowTicksItsBoxAtLoadAndTheBoxSwitchesOrIsDisabledWithoutTheSystemPlayer) {
    const EndFunction before = SetEndFunction([] {});
    rt::DeleteSetting(rt::AppTitle());
    LoadSettings();
    const std::string own = rt::AppPath() + "\\" + rt::AppExeName() + ".exe";
    const std::string upper = "C:\\X\\" + rt::UCase(rt::AppExeName()) + ".EXE /PLAY";
    SetCommands(upper, own + " %1");

    // Without the system's player the load-time tick finds a file missing:
    // the box is disabled and nothing is written.
    DeleteFileA((modWin32Api::GetSystemDir() + "cdplayer.exe").c_str());
    quoddle::frmQuoddle* window = &quoddle::ThePlayer();
    window->Show();
    EXPECT_EQ(window->chkDefaultPlayer.Value(), 1);
    EXPECT_FALSE(window->chkDefaultPlayer.Enabled());
    EXPECT_EQ(Command(defaultPlayer::kAudioCDCommandKey), upper);
    window->Unload();

    // With it, the tick writes the program's commands again and the user's
    // untick the system player's.
    SystemPlayer player;
    window = &quoddle::ThePlayer();
    window->Show();
    EXPECT_TRUE(window->chkDefaultPlayer.Enabled());
    EXPECT_EQ(Command(defaultPlayer::kAudioCDCommandKey), own + " /play");
    window->chkDefaultPlayer.SetValue(0);
    EXPECT_EQ(Command(defaultPlayer::kAudioCDCommandKey), player.path() + " /play %1");
    EXPECT_EQ(Command(defaultPlayer::kTrackCommandKey), player.path() + " -play %1");
    window->Unload();
    SetEndFunction(before);
    rt::DeleteSetting(rt::AppTitle());
}
