#include "filelist/list_file.h"

#include <fstream>

#include "list_window_fixture.h"
#include "testkit/dialog_answerer.h"

using filelist_test::ListWindowTest;

TEST(ListFileRule, TakesDrivePathsAndNetworkPathsOnly) {
    struct Case {
        const char* line;
        bool taken;
    } cases[] = {
        {"C:\\a.txt", true},     {"\\\\server\\share\\a.txt", true}, {"", false},
        {"  ", false},           {" C:\\a.txt", false},               {"C:\\a.txt  ", true},
        {"relative.txt", false}, {"C:", false},                       {"\\single", false},
    };
    for (const Case& c : cases) EXPECT_EQ(filelist::IsListFileLine(c.line), c.taken) << '"' << c.line << '"';
}

TEST_F(ListWindowTest, LoadAddsTakenLinesAsWritten) {
    std::string a = folder.Write("a.txt", "1234");
    std::string missing = folder / "missing.txt  ";
    std::string list = folder.Write("list.txt", a + "\r\n\r\n  \r\n\\\\server\\share\\b.txt\r\n" + missing + "\r\n");
    window->LoadFromFile(list);
    EXPECT_EQ(Rows(), (std::vector<std::string>{a, "\\\\server\\share\\b.txt", missing}));
    EXPECT_EQ(window->lv1.SubItem(0, 1), "000,000,004");
    // The blanks stay in the row; a file that is not there leaves its cells empty.
    EXPECT_EQ(window->lv1.SubItem(2, 1), "");
    EXPECT_EQ(window->lv1.SubItem(2, 3), "");
    EXPECT_EQ(window->lblFiles.Caption(), "3");
    EXPECT_TRUE(Enabled("RemoveAll"));
    EXPECT_FALSE(Enabled("Remove"));
    EXPECT_TRUE(Enabled("Save"));
}

TEST_F(ListWindowTest, LineFeedsAloneDoNotEndALine) {
    std::string list = folder.Write("lf.txt", "C:\\one.txt\nC:\\two.txt\n");
    window->LoadFromFile(list);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\one.txt\nC:\\two.txt\n"}));
}

TEST_F(ListWindowTest, AFileWithNoPathLineAddsItselfOnce) {
    std::string empty = folder.Write("empty.txt");
    std::string prose = folder.Write("prose.txt", "hello\r\nworld\r\n");
    window->LoadFromFile(empty);
    window->LoadFromFile(prose);
    window->LoadFromFile(prose);
    EXPECT_EQ(Rows(), (std::vector<std::string>{empty, prose}));
}

TEST_F(ListWindowTest, LoadingTwiceListsEachPathTwice) {
    std::string list = folder.Write("list.txt", "C:\\x.txt\r\n");
    window->LoadFromFile(list);
    window->LoadFromFile(list);
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\x.txt", "C:\\x.txt"}));
}

TEST_F(ListWindowTest, SaveAndLoadGiveTheSamePathsInOrder) {
    std::string a = folder.Write("a b.txt", "x"), b = folder.Write("b.txt", "yy");
    window->AddToList(b, true);
    window->AddToList(a, true);
    window->AddToList("C:\\missing\\c.txt", true);
    std::string list = folder / "saved.txt";
    window->SaveToFile(list);
    std::ifstream in(list, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, b + "\r\n" + a + "\r\n" + "C:\\missing\\c.txt\r\n");

    filelist::ListWindow other(filelist_test::AttributeVariant());
    other.Show();
    other.LoadFromFile(list);
    ASSERT_EQ(other.lv1.Count(), 3);
    for (int i = 0; i < 3; ++i) EXPECT_EQ(other.lv1.Text(i), window->lv1.Text(i));
    EXPECT_EQ(other.lv1.SubItem(0, 1), "000,000,002");
}

TEST_F(ListWindowTest, LoadAndSaveFailuresSayWhatHappened) {
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::Press(IDOK)).Expect(testkit::Press(IDOK)).Expect(testkit::Press(IDOK));
    window->AddToList("C:\\kept.txt", false);
    window->LoadFromFile(folder / "missing.txt");
    window->LoadFromFile(folder.Path());  // a folder
    std::string readOnly = folder.Write("ro.txt", "old\r\n");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_READONLY);
    window->SaveToFile(readOnly);
    ASSERT_EQ(answers.Seen().size(), 3u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(answers.Seen()[i].title, "File-list Test : Error");
        EXPECT_EQ(answers.Seen()[i].text.rfind("Error loading file, ", 0), 0u) << answers.Seen()[i].text;
        EXPECT_EQ(answers.Seen()[i].icon, testkit::Icon::Error);
    }
    EXPECT_EQ(answers.Seen()[2].text.rfind("Error saving file list, ", 0), 0u) << answers.Seen()[2].text;
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\kept.txt"}));
    std::ifstream in(readOnly, std::ios::binary);
    std::string bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    EXPECT_EQ(bytes, "old\r\n");
    SetFileAttributesA(readOnly.c_str(), FILE_ATTRIBUTE_NORMAL);
}

TEST_F(ListWindowTest, LoadWithoutANameAsksWithTheOpenDialog) {
    std::string list = folder.Write("asked.txt", "C:\\asked.txt\r\n");
    testkit::DialogAnswerer answers;
    answers.Expect(testkit::TypeFileName(list)).Expect(testkit::Press(IDCANCEL));
    window->LoadFromFile("");
    window->LoadFromFile("");  // cancelled: nothing changes
    EXPECT_EQ(Rows(), (std::vector<std::string>{"C:\\asked.txt"}));
    ASSERT_EQ(answers.Seen().size(), 2u);
    EXPECT_EQ(answers.Seen()[0].title, "Select File");
}
