// "Add Recurse" over 50,000 files in 2,500 folders, 4 levels deep, with two
// patterns, beside its floor: the scan alone, which finds the same files;
// first over half that tree, so that the two rates show the cost per file
// stays the same.
#include <iterator>
#include <string>
#include <vector>

#include "bench.h"
#include "testkit/temp_folder.h"
#include "filelist/modFileScan.h"
#include "quarnel/frmQuarnel.h"
#include "rt/events.h"

namespace {

// Folders per level below the top one (4, 5 and 5 below each); with 20 at
// the top, 2,500 in all, each holding 20 files, half of them .jpg and half
// .gif.
constexpr int kBranching[] = {0, 4, 5, 5};
constexpr int kFilesPerFolder = 20;

int MakeTree(const std::string& folder, int topFolders, int level, int& fileNumber) {
    int folders = 0;
    for (int i = 0; i < (level == 0 ? topFolders : kBranching[level]); ++i) {
        std::string sub = folder + "\\d" + std::to_string(i);
        CreateDirectoryA(sub.c_str(), nullptr);
        ++folders;
        for (int f = 0; f < kFilesPerFolder; ++f, ++fileNumber)
            testkit::WriteFileBytes(sub + "\\pic" + std::to_string(fileNumber) + (f % 2 ? ".gif" : ".jpg"));
        if (level + 1 < static_cast<int>(std::size(kBranching))) folders += MakeTree(sub, topFolders, level + 1, fileNumber);
    }
    return folders;
}

struct RecurseFigures {
    double timesScan;  // AddToListRecurse's time over the scan's alone
    double peakMiB;    // at the end of AddToListRecurse
};

RecurseFigures AddRecurse(int topFolders) {
    testkit::TempFolder scratch;
    int files = 0;
    bench::Stopwatch making;
    int folders = MakeTree(scratch.Path(), topFolders, 0, files);
    std::printf("tree of %d files in %d folders made in %.1f s\n", files, folders, making.Seconds());

    quarnel::frmQuarnel window;
    window.Show();
    window.Drive1.SetDrive(scratch.Path());
    window.Dir1.SetPath(scratch.Path());
    window.cmbFilter.SetText("*.jpg;*.gif");

    unsigned long long yields = rt::YieldCount();
    bench::Stopwatch scan;
    modFileScan::ResetFileScan();
    modFileScan::ScanFiles(scratch.Path(), {"*.jpg", "*.gif"}, true);
    double scanSeconds = scan.Seconds();
    bench::Report("ScanFiles alone, two patterns", scanSeconds,
                  static_cast<double>(modFileScan::FileScanResult.colNames.size()), "files");
    std::printf("  %llu yields\n", rt::YieldCount() - yields);

    bench::Stopwatch recurse;
    window.AddToListRecurse();
    double recurseSeconds = recurse.Seconds();
    const double peak = bench::PeakMemoryMiB();
    bench::Report("AddToListRecurse (scan and AddToList)", recurseSeconds, window.lv1.Count(), "rows");

    std::printf("  %.2fx of the scan alone\n", recurseSeconds / scanSeconds);
    return {recurseSeconds / scanSeconds, peak};
}

const bool registered = bench::AddSection("recurse", [] {
    AddRecurse(10);
    const RecurseFigures figures = AddRecurse(20);
    std::printf("recurse: %.2fx of the floor, peak %.0f MiB\n", figures.timesScan, figures.peakMiB);
});

}  // namespace
