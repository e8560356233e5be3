// The list view's sort, mouse and popup, and the file and main toolbars.
#include <functional>
#include <string>
#include <vector>

#include "foundation/main_window.h"
#include "list_window_fixture.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using filelist_test::ListWindowTest;

namespace {

constexpr const char *kRemoveAll = "RemoveAll", *kRemove = "Remove", *kLoad = "Load", *kSave = "Save", *kHelp = "Help",
                      *kAction = "Attrib";
constexpr const char *kAddAll = "AddAll", *kAdd = "Add";

class ListToolbarsTest : public ListWindowTest {
protected:
    // Shows the folder in the panes, so the file pane lists its files.
    void EnterFolder() { ASSERT_FALSE(window->Dir1.SetPath(folder.Path())); }

    std::vector<std::string> Names() const {
        std::vector<std::string> names;
        for (const std::string& row : Rows()) names.push_back(row.substr(row.find_last_of('\\') + 1));
        return names;
    }
    void PressFile(const char* key) { window->tbfile.PressButton(key); }
    void PressMain(const char* key) { window->tbMain.PressButton(key); }
};

TEST_F(ListToolbarsTest, ColumnClicksShareOneToggleAndNewRowsFollowTheOrder) {
    // A click on the empty list sorts nothing and keeps the toggle.
    window->lv1_ColumnClick(2);
    EXPECT_FALSE(window->bolSortDescending);
    EXPECT_FALSE(window->lv1.Sorted());

    struct File {
        const char* name;
        size_t size;
    } files[] = {{"b.txt", 5}, {"C.txt", 1234}, {"a.txt", 30}, {"\xE9t\xE9.txt", 100}, {"f.txt", 7}};
    for (const File& f : files) window->AddToList(folder.Write(f.name, std::string(f.size, 'x')), true);

    using Names = std::vector<std::string>;
    struct Step {
        int column;
        bool descending;
        Names order;
    } steps[] = {
        // First click anywhere: descending; zero-padded sizes sort as numbers.
        {2, true, {"C.txt", "\xE9t\xE9.txt", "a.txt", "f.txt", "b.txt"}},
        // Another column: the direction flips again. Case is ignored and "é"
        // sorts with "e", as the platform's list view sorts text.
        {1, false, {"a.txt", "b.txt", "C.txt", "\xE9t\xE9.txt", "f.txt"}},
        {1, true, {"f.txt", "\xE9t\xE9.txt", "C.txt", "b.txt", "a.txt"}},
    };
    for (const Step& s : steps) {
        window->lv1_ColumnClick(s.column);
        EXPECT_EQ(window->bolSortDescending, s.descending) << "column " << s.column;
        EXPECT_EQ(this->Names(), s.order) << "column " << s.column;
        EXPECT_FALSE(rt::IsHourglass());
    }
    window->AddToList(folder.Write("ab.txt", "x"), true);
    EXPECT_EQ(this->Names(), (Names{"f.txt", "\xE9t\xE9.txt", "C.txt", "b.txt", "ab.txt", "a.txt"}));
}

// Who enables and disables which button, step by step as a user goes.
TEST_F(ListToolbarsTest, ButtonStatesFollowTheHandlers) {
    for (const char* name : {"1.txt", "2.txt", "3.txt"}) folder.Write(name, "x");
    EnterFolder();
    struct Step {
        const char* what;
        std::function<void()> act;
        bool removeAll, remove, save, addAll, add;
    } steps[] = {
        {"folder entered", [] {}, false, false, false, true, false},
        {"mouse down on the empty list", [&] { window->lv1_MouseDown(1, 0, 100, 100); }, false, false, false, true,
         false},
        {"file pane clicked", [&] { window->File1_Click(); }, false, false, false, true, true},
        {"Add with nothing selected, empty list", [&] { PressFile(kAdd); }, false, false, false, true, true},
        {"Add All", [&] { PressFile(kAddAll); }, true, false, true, true, true},
        {"mouse down below the rows", [&] { window->lv1_MouseDown(1, 0, 100, 1500); }, true, true, true, true, true},
        {"Remove with no row selected", [&] { PressMain(kRemove); }, true, false, true, true, true},
        {"right button down", [&] { window->lv1_MouseDown(2, 0, 100, 100); }, true, true, true, true, true},
        {"popup Remove of row 1",
         [&] {
             window->lv1.SetSelected(0, true);
             window->mnuitemRemove_Click();
         },
         true, false, true, true, true},
        {"mouse down again", [&] { window->lv1_MouseDown(1, 0, 100, 100); }, true, true, true, true, true},
        {"Add with nothing selected, rows listed", [&] { PressFile(kAdd); }, true, false, true, true, true},
        {"pattern that lists nothing", [&] { window->cmbFilter.SetListIndex(2); }, true, false, true, false, false},
        {"Remove All", [&] { PressMain(kRemoveAll); }, false, false, false, false, false},
    };
    for (const Step& s : steps) {
        s.act();
        SCOPED_TRACE(s.what);
        EXPECT_EQ(Enabled(kRemoveAll), s.removeAll);
        EXPECT_EQ(Enabled(kRemove), s.remove);
        EXPECT_EQ(Enabled(kSave), s.save);
        EXPECT_EQ(window->tbfile.ButtonEnabled(kAddAll), s.addAll);
        EXPECT_EQ(window->tbfile.ButtonEnabled(kAdd), s.add);
        // Load, Help and the action are never changed.
        for (const char* always : {kLoad, kHelp, kAction}) EXPECT_TRUE(Enabled(always)) << always;
        EXPECT_FALSE(rt::IsHourglass());
    }
    EXPECT_EQ(window->lv1.Count(), 0);
}

TEST_F(ListToolbarsTest, AddingYieldsAtTheStartAndEveryTenthEntry) {
    for (int i = 0; i < 25; ++i) folder.Write("f" + std::to_string(100 + i) + ".txt", "x");
    EnterFolder();
    ASSERT_EQ(window->File1.ListCount(), 25);
    testkit::DialogAnswerer nothingShown;
    // The rows listed at each yield tell where in the run it came.
    std::vector<int> rowsAtYields;
    rt::WatchYields([&] { rowsAtYields.push_back(window->lv1.Count()); });
    struct Finally {
        ~Finally() { rt::WatchYields(nullptr); }
    } stopWatching;

    // Once at the start, then after entries 0, 10 and 20.
    unsigned long long before = rt::YieldCount();
    PressFile(kAddAll);
    EXPECT_EQ(rt::YieldCount() - before, 4u);
    EXPECT_EQ(rowsAtYields, (std::vector<int>{0, 1, 11, 21}));
    EXPECT_EQ(window->lv1.Count(), 25);
    EXPECT_EQ(window->lblFiles.Caption(), "25");

    // Already listed: skipped without a word.
    before = rt::YieldCount();
    rowsAtYields.clear();
    PressFile(kAddAll);
    EXPECT_EQ(rt::YieldCount() - before, 4u);
    EXPECT_EQ(rowsAtYields, (std::vector<int>{25, 25, 25, 25}));
    EXPECT_EQ(window->lv1.Count(), 25);

    // "Add" counts every entry, selected or not.
    PressMain(kRemoveAll);
    window->File1.SetSelected(3, true);
    window->File1.SetSelected(24, true);
    before = rt::YieldCount();
    rowsAtYields.clear();
    PressFile(kAdd);
    EXPECT_EQ(rt::YieldCount() - before, 4u);
    EXPECT_EQ(rowsAtYields, (std::vector<int>{0, 0, 1, 1}));
    EXPECT_EQ(Names(), (std::vector<std::string>{"f103.txt", "f124.txt"}));
    EXPECT_EQ(window->lblFiles.Caption(), "2");
}

TEST_F(ListToolbarsTest, HelpOpensAPageThatAListingFinds) {
    const std::string page = foundation::HelpPagePath();
    ASSERT_EQ(page, rt::AppPath() + "\\" + rt::AppExeName() + ".htm");
    struct Case {
        const char* what;
        bool exists;
        DWORD attributes;
        bool message;
    } cases[] = {
        {"missing", false, 0, true},
        {"present", true, FILE_ATTRIBUTE_NORMAL, false},
        // Hidden files are left out of a listing of normal files.
        {"hidden", true, FILE_ATTRIBUTE_HIDDEN, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        DeleteFileA(page.c_str());
        if (c.exists) {
            HANDLE h = CreateFileA(page.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, c.attributes, nullptr);
            ASSERT_NE(h, INVALID_HANDLE_VALUE);
            CloseHandle(h);
        }
        testkit::DialogAnswerer answers;
        if (c.message) answers.Expect(testkit::Press(IDOK));
        PressMain(kHelp);
        if (c.message) {
            ASSERT_EQ(answers.Seen().size(), 1u);
            EXPECT_EQ(answers.Seen()[0].text, "Help file not found.");
            EXPECT_EQ(answers.Seen()[0].title, rt::AppTitle() + " : File Not Found");
            EXPECT_EQ(answers.Seen()[0].icon, testkit::Icon::Warning);
            EXPECT_EQ(answers.Seen()[0].buttons, std::vector<int>{IDOK});
        }
        SetFileAttributesA(page.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileA(page.c_str());
    }
}

// Reads the items of the popup menu while it is open, then closes it.
struct OpenMenuReader {
    static std::vector<std::string>* items;
    static void CALLBACK Tick(HWND, UINT, UINT_PTR id, DWORD) {
        HWND menuWindow = FindWindowA("#32768", nullptr);
        if (!menuWindow || !IsWindowVisible(menuWindow)) return;
        KillTimer(nullptr, id);
        HMENU menu = reinterpret_cast<HMENU>(SendMessageA(menuWindow, MN_GETHMENU, 0, 0));
        for (int i = 0; i < GetMenuItemCount(menu); ++i) {
            char text[64] = {};
            GetMenuStringA(menu, i, text, sizeof text, MF_BYPOSITION);
            items->push_back(GetMenuState(menu, i, MF_BYPOSITION) & MF_SEPARATOR ? "-" : text);
        }
        EndMenu();
    }
};
std::vector<std::string>* OpenMenuReader::items = nullptr;

TEST_F(ListToolbarsTest, RightClickShowsThePopupAlsoOnAnEmptyList) {
    std::vector<std::string> items;
    OpenMenuReader::items = &items;
    UINT_PTR timer = SetTimer(nullptr, 0, 20, &OpenMenuReader::Tick);
    window->lv1_MouseUp(2, 0, 100, 100);
    KillTimer(nullptr, timer);
    EXPECT_EQ(items, (std::vector<std::string>{"Open", "Remove", "Properties", "-", "Cancel"}));
    EXPECT_EQ(window->mnuPopupMenu.Caption(), "PopupMenu");

    // Other buttons show nothing; with no row, Open and Properties do nothing.
    items.clear();
    timer = SetTimer(nullptr, 0, 20, &OpenMenuReader::Tick);
    window->lv1_MouseUp(1, 0, 100, 100);
    KillTimer(nullptr, timer);
    EXPECT_TRUE(items.empty());
    testkit::DialogAnswerer nothingShown;
    window->mnuitemOpen_Click();
    window->mnuitemProperties_Click();
    window->lv1_DblClick();
}

}  // namespace
