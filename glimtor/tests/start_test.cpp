// glimtor's start: which window a command line opens, and the end of the
// program with the viewer. The program runs as a child process.
#include <gtest/gtest.h>
#include <windows.h>

#include <chrono>
#include <string>
#include <thread>
#include <vector>

#include "testkit/sample_pictures.h"
#include "testkit/running_program.h"
#include "testkit/temp_folder.h"

namespace {

using namespace std::chrono_literals;

const std::string kGlimtor = testkit::OnDriveZ(GLIMTOR_EXE);
const std::string kMain = "Glimtor 5.5.0";
const std::string kViewer = "Preview  [Lmouse=close, Rmouse=2x]";

// The program's visible windows once the one awaited has shown.
std::vector<std::string> CaptionsOnceShown(const testkit::RunningProgram& program, const std::string& awaited) {
    for (int i = 0; i < 200; ++i) {
        std::vector<std::string> captions = program.VisibleCaptions();
        for (const std::string& c : captions)
            if (c == awaited) return captions;
        std::this_thread::sleep_for(50ms);
    }
    return program.VisibleCaptions();
}

TEST(Start, AnythingButAPictureOpensTheMainWindowWithoutAMessage) {
    testkit::TempFolder folder;
    const std::string picture = folder / "p.bmp";
    testkit::WriteFileBytes(picture, testkit::BmpBytes(testkit::BlockPattern(20, 20)));
    const std::string text = folder.Write("text.jpg", "no picture");
    const std::string commandLines[] = {"", "\"" + picture + "\"", folder.Path(), text, folder / "missing.jpg"};
    for (const std::string& commandLine : commandLines) {
        SCOPED_TRACE(commandLine);
        testkit::RunningProgram glimtor(kGlimtor, commandLine);
        EXPECT_EQ(CaptionsOnceShown(glimtor, kMain), std::vector<std::string>{kMain});
    }
}

BOOL CALLBACK FindFilePane(HWND w, LPARAM param) {
    char cls[32] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (lstrcmpiA(cls, "ListBox") != 0) return TRUE;
    *reinterpret_cast<HWND*>(param) = w;  // the last list box: the file pane
    return TRUE;
}

TEST(Start, EscapeInTheFilePaneEndsTheProgram) {
    testkit::RunningProgram glimtor(kGlimtor);
    HWND main = glimtor.MainWindow();
    ASSERT_TRUE(main);
    HWND filePane = nullptr;
    EnumChildWindows(main, &FindFilePane, reinterpret_cast<LPARAM>(&filePane));
    ASSERT_TRUE(filePane);
    PostMessageA(filePane, WM_KEYDOWN, VK_ESCAPE, 1);
    DWORD exitCode = 1;
    ASSERT_TRUE(glimtor.EndsWithin(10s, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

TEST(Start, APictureOpensOnlyTheViewerAndClosingItEndsTheProgram) {
    testkit::TempFolder folder;
    const std::string picture = folder / "p.jpg";
    ASSERT_TRUE(testkit::WriteBlockPatternJpeg(picture, 60, 40));
    testkit::RunningProgram glimtor(kGlimtor, picture);
    EXPECT_EQ(CaptionsOnceShown(glimtor, kViewer), std::vector<std::string>{kViewer});
    HWND viewer = glimtor.MainWindow();
    ASSERT_TRUE(viewer);
    PostMessageA(viewer, WM_KEYDOWN, VK_ESCAPE, 1);
    PostMessageA(viewer, WM_CHAR, 27, 1);
    DWORD exitCode = 1;
    ASSERT_TRUE(glimtor.EndsWithin(10s, exitCode));
    EXPECT_EQ(exitCode, 0u);
}

}  // namespace
