// The player as a child process, for what only a whole process shows: the
// mode it starts in and whether closing its window ends it.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

#include "rt/settings.h"
#include "testkit/running_program.h"

namespace {

using namespace std::chrono_literals;

const std::string kQuoddle = testkit::OnDriveZ(QUODDLE_EXE);
const std::string kTitle = "Quoddle";

BOOL CALLBACK CollectTexts(HWND w, LPARAM param) {
    char text[64] = {};
    GetWindowTextA(w, text, sizeof text);
    reinterpret_cast<std::vector<std::string>*>(param)->push_back(text);
    return TRUE;
}

bool HasChildCaptioned(HWND window, const std::string& caption) {
    std::vector<std::string> texts;
    EnumChildWindows(window, &CollectTexts, reinterpret_cast<LPARAM>(&texts));
    for (const std::string& t : texts)
        if (t == caption) return true;
    return false;
}

// The settings of the real program, removed again at the end.
class StoredSettings {
public:
    StoredSettings() { rt::DeleteSetting(kTitle); }
    ~StoredSettings() { rt::DeleteSetting(kTitle); }
    void Store(const std::string& key, const std::string& value) { rt::SaveSetting(kTitle, "Settings", key, value); }
    std::string Read(const std::string& key) const { return rt::GetSetting(kTitle, "Settings", key, "<none>"); }
};

}  // namespace

// A tray flag of 2 is window mode throughout: the window opens with the
// window mode's "Quit", and closing it ends the process, so the next start
// is not stopped by a process left with no window and no icon.
TEST(Program, AStoredTrayFlagOfTwoStartsAndEndsInWindowMode) {
    StoredSettings settings;
    settings.Store("Remember", "Yes");
    settings.Store("TrayIcon", "2");
    for (int start = 1; start <= 2; ++start) {
        SCOPED_TRACE("start " + std::to_string(start));
        testkit::RunningProgram quoddle(kQuoddle);
        HWND window = quoddle.MainWindow();
        ASSERT_TRUE(window);
        EXPECT_TRUE(HasChildCaptioned(window, "&Quit"));
        PostMessageA(window, WM_CLOSE, 0, 0);
        DWORD exitCode = 1;
        ASSERT_TRUE(quoddle.EndsWithin(10s, exitCode));
        EXPECT_EQ(exitCode, 0u);
        EXPECT_EQ(settings.Read("TrayIcon"), "2");
    }
}
