#include <windows.h>
#include <commctrl.h>

#include <string>

#include "filelist/list_program.h"
#include "list_window_fixture.h"
#include "rt/app.h"
#include "rt/files.h"
#include "rt/screen.h"
#include "testkit/dialog_answerer.h"

using filelist_test::ListWindowTest;

TEST_F(ListWindowTest, StartsAsDesigned) {
    EXPECT_EQ(window->Caption(), "File-list Test 5.5.0");
    EXPECT_EQ(window->lblFiles.Caption(), "0");
    EXPECT_EQ(window->cmbFilter.Text(), "*.*");
    EXPECT_EQ(window->File1.Pattern(), "*.*");
    struct Case {
        const char* key;
        bool enabled;
    } main[] = {{"RemoveAll", false}, {"Remove", false}, {"Load", true}, {"Save", false}, {"Help", true}, {"Attrib", true}};
    for (const Case& c : main) EXPECT_EQ(Enabled(c.key), c.enabled) << "tbMain " << c.key;
    EXPECT_FALSE(window->tbfile.ButtonEnabled("Add"));
    EXPECT_EQ(window->tbfile.ButtonEnabled("AddAll"), window->File1.ListCount() > 0);
    const std::string& path = window->Dir1.Path();
    EXPECT_EQ(window->strCurrentFilePath, path.back() == '\\' ? path : path + "\\");
}

TEST(AttributeLetters, InTheirFixedOrder) {
    struct Case {
        unsigned long bits;
        const char* letters;
    } cases[] = {{0, ""},      {FILE_ATTRIBUTE_ARCHIVE | FILE_ATTRIBUTE_READONLY, "AR"},
                 {FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM, "HS"},
                 {0x27, "AHRS"}, {FILE_ATTRIBUTE_NORMAL, ""}};
    for (const Case& c : cases) EXPECT_EQ(filelist::AttributeLettersOf(c.bits), c.letters) << c.bits;
}

TEST_F(ListWindowTest, ARowShowsSizeAttributesAndDate) {
    std::string file = folder.Write("size.bin", std::string(1234, 'x'));
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_ARCHIVE);
    window->AddToList(file, true);
    window->AddToList(folder / "missing.txt", true);
    EXPECT_EQ(window->lv1.SubItem(0, 1), "000,001,234");
    EXPECT_EQ(window->lv1.SubItem(0, 2), "AR");
    EXPECT_FALSE(window->lv1.SubItem(0, 3).empty());
    for (int column = 1; column <= 3; ++column) EXPECT_EQ(window->lv1.SubItem(1, column), "") << column;
    EXPECT_EQ(window->lblFiles.Caption(), "2");
    SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
}

// A path past the limit is a missing file, also where its length wraps round
// to another file's path or to a folder's.
TEST_F(ListWindowTest, RowsPastThePathLimitShowEmptyCells) {
    window->AddToList(folder.Write(folder.NameForPathLength(rt::kLongestPath), "12345"), true);
    window->AddToList(folder.Write(folder.NameForPathLength(rt::kLongestPath + 1), "12345"), true);
    window->AddToList(testkit::PathWrappingTo(folder.Write("victim.txt", "12345")), true);
    window->AddToList(testkit::PathWrappingTo("C:\\"), true);
    EXPECT_EQ(window->lv1.SubItem(0, 1), "000,000,005");
    for (int row = 1; row < 4; ++row) {
        for (int column = 1; column <= 3; ++column) EXPECT_EQ(window->lv1.SubItem(row, column), "") << row;
    }
}

TEST_F(ListWindowTest, NoDuplicatesComparesPathsInUpperCase) {
    window->AddToList("C:\\Photos\\a.jpg", true);
    window->AddToList("c:\\photos\\A.JPG", true);
    EXPECT_EQ(window->lv1.Count(), 1);
    window->AddToList("c:\\photos\\A.JPG", false);
    EXPECT_EQ(window->lv1.Count(), 2);
    // One of the two removed: the other still keeps the path out.
    window->lv1.SetSelected(1, true);
    window->RemoveFromList(false);
    window->AddToList("C:\\PHOTOS\\a.jpg", true);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\Photos\\a.jpg"}));
    window->RemoveFromList(true);
    window->AddToList("C:\\PHOTOS\\a.jpg", true);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\PHOTOS\\a.jpg"}));
}

TEST_F(ListWindowTest, RemovingSetsTheListButtons) {
    window->RemoveFromList(true);  // empty list: nothing at all changes
    EXPECT_EQ(window->lblFiles.Caption(), "0");
    window->tbMain.SetButtonEnabled("Remove", true);
    window->RemoveFromList(false);
    EXPECT_TRUE(Enabled("Remove"));

    for (const char* p : {"C:\\1", "C:\\2", "C:\\3"}) window->AddToList(p, true);
    window->tbMain.SetButtonEnabled("RemoveAll", true);
    window->tbMain.SetButtonEnabled("Save", true);
    window->lv1.SetSelected(0, true);
    window->lv1.SetSelected(2, true);
    window->RemoveFromList(false);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\2"}));
    EXPECT_FALSE(Enabled("Remove"));
    EXPECT_TRUE(Enabled("RemoveAll"));
    EXPECT_EQ(window->lblFiles.Caption(), "1");
    window->lv1.SetSelected(0, true);
    window->RemoveFromList(false);
    EXPECT_FALSE(Enabled("RemoveAll"));
    EXPECT_FALSE(Enabled("Save"));
    EXPECT_EQ(window->lblFiles.Caption(), "0");
}

// The list view, the file pane and the separator keep their design gaps; the
// main toolbar keeps to the bottom edge, in the list view's bottom gap,
// across the client width, so its last button can be reached once the
// window is wide enough. Below a control's margin that control keeps its
// last size; minimised, everything keeps its place.
TEST_F(ListWindowTest, ResizingKeepsTheDesignGapsAndTheMainToolbarOnTheBottomEdge) {
    const int lvWidth = window->lv1.Width(), lvHeight = window->lv1.Height();
    const int fileWidth = window->File1.Width(), sepWidth = window->frameSep.Width();
    const int w = window->Width(), h = window->Height();
    const int px = static_cast<int>(rt::TwipsPerPixelX()), py = static_cast<int>(rt::TwipsPerPixelY());
    int lastLvWidth = lvWidth, lastLvHeight = lvHeight;
    const struct {
        int width, height;  // twips added to the design size
    } sizes[] = {{0, 0}, {1000, 500}, {200 * px, 300 * py}, {-900, -600}, {-w + 3000, -h + 2250}, {0, 0}};
    for (const auto& size : sizes) {
        window->Move(window->Left(), window->Top(), w + size.width, h + size.height);
        // The window grows by whole pixels: what it really grew by is what the controls follow.
        const int dw = window->Width() - w, dh = window->Height() - h;
        EXPECT_NEAR(dw, size.width, 15);
        EXPECT_NEAR(dh, size.height, 15);
        const std::string at = std::to_string(size.width) + " x " + std::to_string(size.height);
        if (lvWidth + dw >= 0) lastLvWidth = lvWidth + dw;
        if (lvHeight + dh >= 0) lastLvHeight = lvHeight + dh;
        EXPECT_EQ(window->lv1.Width(), lastLvWidth) << at;
        EXPECT_EQ(window->lv1.Height(), lastLvHeight) << at;
        if (fileWidth + dw >= 0) {
            EXPECT_EQ(window->File1.Width(), fileWidth + dw) << at;
        }
        if (sepWidth + dw >= 0) {
            EXPECT_EQ(window->frameSep.Width(), sepWidth + dw) << at;
        }
        EXPECT_EQ(window->Dir1.Width(), 3315) << at;
        EXPECT_EQ(window->tbfile.Width(), 3300) << at;
        EXPECT_EQ(window->tbfile.Top(), 2280) << at;

        RECT client{}, bar{};
        GetClientRect(window->hwnd(), &client);
        GetWindowRect(window->tbMain.hwnd(), &bar);
        MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&bar), 2);
        EXPECT_EQ(bar.left, 0) << at;
        EXPECT_EQ(bar.right, client.right) << at;
        EXPECT_EQ(bar.bottom, client.bottom) << at;
        EXPECT_EQ(bar.bottom - bar.top, 600 / py) << at;
        if (lvHeight + dh >= 0) {
            EXPECT_EQ(window->lv1.Top() + window->lv1.Height() + 60, window->tbMain.Top()) << at;
        }
        if (size.width >= 200 * px) {
            RECT last{};
            const int buttons = static_cast<int>(SendMessageA(window->tbMain.hwnd(), TB_BUTTONCOUNT, 0, 0));
            SendMessageA(window->tbMain.hwnd(), TB_GETITEMRECT, buttons - 1, reinterpret_cast<LPARAM>(&last));
            EXPECT_LE(last.right, bar.right - bar.left) << at;
        }
    }

    window->Move(window->Left(), window->Top(), w + 1000, h + 500);
    RECT before{};
    GetWindowRect(window->tbMain.hwnd(), &before);
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&before), 2);
    const int lvBefore = window->lv1.Height();
    window->SetWindowState(rt::WindowState::Minimized);
    EXPECT_EQ(window->lv1.Height(), lvBefore);
    EXPECT_EQ(window->tbMain.Top(), window->lv1.Top() + lvBefore + 60);
    window->SetWindowState(rt::WindowState::Normal);
    RECT after{};
    GetWindowRect(window->tbMain.hwnd(), &after);
    MapWindowPoints(nullptr, window->hwnd(), reinterpret_cast<POINT*>(&after), 2);
    EXPECT_EQ(window->lv1.Height(), lvBefore);
    EXPECT_TRUE(EqualRect(&before, &after));
}

// A double-click on the background opens the about box over the window,
// owned by it.
TEST_F(ListWindowTest, TheAboutBoxIsOwnedByTheWindow) {
    testkit::DialogAnswerer answers;
    HWND owner = nullptr;
    answers.Expect(testkit::CloseBox([&](HWND about) { owner = GetWindow(about, GW_OWNER); }));
    SendMessageA(window->hwnd(), WM_LBUTTONDBLCLK, MK_LBUTTON, MAKELPARAM(300, 200));
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].title, "About File-list Test");
    EXPECT_EQ(owner, window->hwnd());
}

TEST_F(ListWindowTest, StartHandsTheCommandLineWhole) {
    std::string withBlanks = folder.Write("my list.txt", "C:\\from list.txt\r\n");
    filelist::ListWindow started(filelist_test::AttributeVariant());
    ASSERT_TRUE(filelist::StartListProgram(started, withBlanks));
    ASSERT_EQ(started.lv1.Count(), 1);
    EXPECT_EQ(started.lv1.Text(0), "C:\\from list.txt");

    // Quotes are part of the name: no such file.
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK));
    filelist::ListWindow quoted(filelist_test::AttributeVariant());
    ASSERT_TRUE(filelist::StartListProgram(quoted, "\"" + withBlanks + "\""));
    EXPECT_EQ(quoted.lv1.Count(), 0);
    ASSERT_EQ(answers.Seen().size(), 1u);
    EXPECT_EQ(answers.Seen()[0].text.rfind("Error loading file, ", 0), 0u);

    // A single file that is not a list file is added itself.
    std::string single = folder.Write("photo.jpg", "\xff\xd8 not text");
    filelist::ListWindow one(filelist_test::AttributeVariant());
    ASSERT_TRUE(filelist::StartListProgram(one, single));
    ASSERT_EQ(one.lv1.Count(), 1);
    EXPECT_EQ(one.lv1.Text(0), single);
}
