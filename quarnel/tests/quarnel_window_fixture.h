#pragma once
// quarnel's list window, shown, over a fresh folder; files with known times
// and attributes; and a way to act inside the modal attribute dialog.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>
#include <string>
#include <vector>

#include "quarnel/frmQuarnel.h"
#include "quarnel/frmSettings.h"
#include "testkit/temp_folder.h"

namespace quarnel_test {

inline ULONGLONG Ticks(const FILETIME& f) { return (ULONGLONG(f.dwHighDateTime) << 32) | f.dwLowDateTime; }

inline ULONGLONG Utc(WORD year, WORD month, WORD day, WORD hour, WORD minute, WORD second) {
    SYSTEMTIME st{year, month, 0, day, hour, minute, second, 0};
    FILETIME f{};
    SystemTimeToFileTime(&st, &f);
    return Ticks(f);
}

struct StoredTimes {
    ULONGLONG accessed = 0, written = 0;
    bool operator==(const StoredTimes&) const = default;
};

inline std::ostream& operator<<(std::ostream& os, const StoredTimes& t) {
    return os << "{accessed " << t.accessed << ", written " << t.written << "}";
}

inline StoredTimes ReadTimes(const std::string& path) {
    WIN32_FILE_ATTRIBUTE_DATA d{};
    if (!GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &d)) return {};
    return {Ticks(d.ftLastAccessTime), Ticks(d.ftLastWriteTime)};
}

inline DWORD Attributes(const std::string& path) { return GetFileAttributesA(path.c_str()); }

// What a file had before a run: the times every made file starts with.
const StoredTimes kOldTimes{Utc(2001, 2, 3, 4, 5, 6), Utc(2001, 2, 3, 4, 5, 6)};

class QuarnelWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.Show();
        ASSERT_TRUE(window.IsLoaded());
    }
    void TearDown() override {
        // Read-only files would stay behind in the temporary folder.
        for (const std::string& path : made_) SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
    }

    // A file with the old times and these attributes.
    std::string MakeFile(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        std::string path = folder.Write(name, name);
        HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_EXISTING, 0, nullptr);
        FILETIME old{DWORD(kOldTimes.written), DWORD(kOldTimes.written >> 32)};
        EXPECT_TRUE(SetFileTime(h, &old, &old, &old)) << path;
        CloseHandle(h);
        EXPECT_TRUE(SetFileAttributesA(path.c_str(), attributes)) << path;
        made_.push_back(path);
        return path;
    }
    // The same, added to the list.
    std::string ListFile(const std::string& name, DWORD attributes = FILE_ATTRIBUTE_NORMAL) {
        std::string path = MakeFile(name, attributes);
        window.AddToList(path, true);
        return path;
    }

    testkit::TempFolder folder;
    quarnel::frmQuarnel window;

private:
    std::vector<std::string> made_;
};

// Runs act on the attribute dialog from inside its modal loop, once it is
// shown; act must close it.
class WhenDialogOpens {
public:
    explicit WhenDialogOpens(std::function<void(quarnel::frmSettings&)> act) : act_(std::move(act)) {
        current_ = this;
        timer_ = SetTimer(nullptr, 0, 20, &WhenDialogOpens::Tick);
    }
    ~WhenDialogOpens() {
        KillTimer(nullptr, timer_);
        current_ = nullptr;
    }
    WhenDialogOpens(const WhenDialogOpens&) = delete;
    WhenDialogOpens& operator=(const WhenDialogOpens&) = delete;
    bool Acted() const { return acted_; }

private:
    static BOOL CALLBACK Find(HWND hwnd, LPARAM found) {
        auto* dialog = dynamic_cast<quarnel::frmSettings*>(rt::Form::FromHwnd(hwnd));
        if (!dialog || !IsWindowVisible(hwnd)) return TRUE;
        *reinterpret_cast<quarnel::frmSettings**>(found) = dialog;
        return FALSE;
    }
    static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
        WhenDialogOpens* self = current_;
        if (!self || self->acted_) return;
        quarnel::frmSettings* dialog = nullptr;
        EnumThreadWindows(GetCurrentThreadId(), &Find, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) return;
        self->acted_ = true;
        KillTimer(nullptr, self->timer_);
        self->act_(*dialog);
    }

    static inline WhenDialogOpens* current_ = nullptr;
    std::function<void(quarnel::frmSettings&)> act_;
    UINT_PTR timer_ = 0;
    bool acted_ = false;
};

}  // namespace quarnel_test
