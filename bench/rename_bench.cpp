// rename at scale: 10,000 listed files renamed through the dialog, one new
// name taken by a listed file so that the run goes through temporary names;
// and the rename property test with many more cases than the test suite runs.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <string>

#include "bench.h"
#include "testkit/rename_property.h"
#include "testkit/temp_folder.h"
#include "rename/frmRename.h"
#include "rename/frmSettings.h"
#include "rt/files.h"

namespace {

void RenameWithCollision() {
    testkit::TempFolder scratch;
    const int n = 10000;
    const std::string folder = scratch.Path() + "\\";
    renamer::frmRename window;
    window.Show();
    window.strCurrentFilePath = folder;
    // The last file carries the first row's new name.
    for (int i = 1; i <= n; ++i) {
        const std::string path = folder + (i < n ? "file" + std::to_string(i) + ".txt" : "Pic00001.txt");
        testkit::WriteFileBytes(path, "x");
        window.AddToList(path, true);
    }

    renamer::frmSettings dialog(window);
    dialog.Show();
    dialog.txtPrefix.SetText("Pic");
    dialog.txtStartNumber.SetText("00001");  // prefix and number stay within 8 characters: no question
    bench::Stopwatch run;
    dialog.tbMain.PressButton("Apply");
    bench::Report("rename 10,000 listed files with a collision (two passes)", run.Seconds(), n, "files");
    const std::size_t renamed = rt::ListDirectory(folder + "Pic?????.txt", rt::kListNormal).size();
    std::printf("  files under their new names %zu of %d, rows left %d\n", renamed, n, window.lv1.Count());
}

TEST(RenameProperty, NothingIsLostAndOnlyListedFilesMove) { testkit::CheckRenameProperty(); }

// The test suite's property check, with RENAME_PROPERTY_CASES cases (5,000
// unless set).
void PropertyCases() {
    if (!std::getenv("RENAME_PROPERTY_CASES")) _putenv("RENAME_PROPERTY_CASES=5000");
    int argc = 2;
    char program[] = "filetools_bench", filter[] = "--gtest_filter=RenameProperty.*";
    char* argv[] = {program, filter, nullptr};
    testing::InitGoogleTest(&argc, argv);
    bench::Stopwatch run;
    const int failed = RUN_ALL_TESTS();
    bench::Report("rename property cases", run.Seconds(), std::strtod(std::getenv("RENAME_PROPERTY_CASES"), nullptr),
                  "cases");
    std::printf("  %s\n", failed ? "FAILED" : "passed");
}

const bool registered = bench::AddSection("rename", [] { RenameWithCollision(); }) &&
                        bench::AddSection("rename-property", [] { PropertyCases(); });

}  // namespace
