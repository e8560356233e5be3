// Escape and F2 in the running program, sent to its list controls: the main
// window sees them first (key preview). Escape ends the process, so these
// tests start the program as a child process.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>

#include "rt/files.h"
#include "testkit/running_program.h"
#include "testkit/temp_folder.h"

namespace {

using namespace std::chrono_literals;
using testkit::OnDriveZ;
using testkit::RunningProgram;

const std::string kQuarnel = OnDriveZ(QUARNEL_EXE);

// Points the shell's browser at a script that records the pages it is
// asked to open; the previous browser is put back at the end.
class BrowserRecorder {
public:
    BrowserRecorder() {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Software\\Wine\\WineBrowser", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                        &key_, nullptr);
        char old[MAX_PATH] = {};
        DWORD size = sizeof old;
        if (RegQueryValueExA(key_, "Browsers", nullptr, nullptr, reinterpret_cast<BYTE*>(old), &size) == 0)
            old_ = old;
        Set(std::string(BROWSER_FOLDER) + "/record_browser.sh");
        DeleteFileA(log_.c_str());
    }
    ~BrowserRecorder() {
        Set(old_);
        RegCloseKey(key_);
    }
    BrowserRecorder(const BrowserRecorder&) = delete;
    BrowserRecorder& operator=(const BrowserRecorder&) = delete;

    // Has a page whose address ends in this been opened, within the time given?
    bool Opened(const std::string& ending, std::chrono::milliseconds wait) const {
        auto until = std::chrono::steady_clock::now() + wait;
        do {
            // The script ends its lines with a line feed alone.
            std::string log;
            rt::ReadTextLines(log_, [&](const std::string& text) { log += text; });
            if (log.find(ending + "\n") != std::string::npos) return true;
            std::this_thread::sleep_for(50ms);
        } while (std::chrono::steady_clock::now() < until);
        return false;
    }

private:
    void Set(const std::string& value) {
        RegSetValueExA(key_, "Browsers", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                       static_cast<DWORD>(value.size() + 1));
    }
    HKEY key_ = nullptr;
    std::string old_ = "true";
    std::string log_ = OnDriveZ(BROWSER_FOLDER) + "\\opened.txt";
};

struct ClassSearch {
    const char* className;
    HWND found = nullptr;
};

BOOL CALLBACK MatchClass(HWND w, LPARAM param) {
    auto* search = reinterpret_cast<ClassSearch*>(param);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, search->className) != 0) return TRUE;
    search->found = w;
    return FALSE;
}

HWND ChildOfClass(HWND parent, const char* className) {
    ClassSearch search{className};
    EnumChildWindows(parent, &MatchClass, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

void PostKey(HWND to, WPARAM key) {
    PostMessageA(to, WM_KEYDOWN, key, 1);
    PostMessageA(to, WM_KEYUP, key, 0xC0000001);
}

TEST(MainWindowKeys, F2OpensTheHelpPageAndEscapeEndsTheProgramFromAListControl) {
    BrowserRecorder browser;
    RunningProgram quarnel(kQuarnel);
    HWND main = quarnel.MainWindow();
    ASSERT_TRUE(main) << kQuarnel;
    HWND fileList = ChildOfClass(main, "SysListView32");
    HWND filePane = ChildOfClass(main, "ListBox");
    ASSERT_TRUE(fileList && filePane);

    PostKey(fileList, VK_F2);
    EXPECT_TRUE(browser.Opened("/bin/quarnel.htm", 10s));
    EXPECT_EQ(quarnel.VisibleWindows(), 1);
    PostKey(filePane, VK_ESCAPE);
    DWORD exitCode = 1;
    ASSERT_TRUE(quarnel.EndsWithin(10s, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(MainWindowKeys, F2WithoutAHelpPageOpensNothingAndSaysNothing) {
    testkit::TempFolder folder;
    const std::string copy = folder / "quarnel.exe";
    ASSERT_TRUE(CopyFileA(kQuarnel.c_str(), copy.c_str(), FALSE));
    BrowserRecorder browser;
    RunningProgram quarnel(copy);
    HWND main = quarnel.MainWindow();
    ASSERT_TRUE(main);

    // The keys are taken in turn: a message after F2 would keep Escape waiting.
    PostKey(ChildOfClass(main, "SysListView32"), VK_F2);
    PostKey(ChildOfClass(main, "ListBox"), VK_ESCAPE);
    DWORD exitCode = 1;
    ASSERT_TRUE(quarnel.EndsWithin(10s, exitCode));
    EXPECT_EQ(exitCode, 0u);
    const std::string leaf = folder.Path().substr(folder.Path().find_last_of('\\') + 1);
    EXPECT_FALSE(browser.Opened("/" + leaf + "/quarnel.htm", 1s));
}

}  // namespace
