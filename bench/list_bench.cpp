// The file list at scale: a list file of 100,000 files loaded and saved,
// and 20,000 adds with the duplicate test.
#include <string>
#include <vector>

#include "bench.h"
#include "testkit/temp_folder.h"
#include "quarnel/frmQuarnel.h"
#include "rt/files.h"

namespace {

std::vector<std::string> MakeFiles(const testkit::TempFolder& scratch, int count) {
    std::vector<std::string> paths;
    paths.reserve(count);
    for (int i = 0; i < count; ++i) {
        std::string folder = scratch.Path() + "\\d" + std::to_string(i / 1000);
        if (i % 1000 == 0) CreateDirectoryA(folder.c_str(), nullptr);
        paths.push_back(folder + "\\file" + std::to_string(i) + ".txt");
        testkit::WriteFileBytes(paths.back(), "x");
    }
    return paths;
}

void LoadAndSave() {
    testkit::TempFolder scratch;
    const int n = 100000;
    std::vector<std::string> paths = MakeFiles(scratch, n);
    std::string list = scratch.Path() + "\\list.txt";
    rt::WriteTextLines(list, paths);
    quarnel::frmQuarnel window;
    window.Show();
    bench::Stopwatch load;
    window.LoadFromFile(list);
    bench::Report("LoadFromFile, 100,000 existing files", load.Seconds(), window.lv1.Count(), "rows");
    bench::Stopwatch save;
    window.SaveToFile(scratch.Path() + "\\saved.txt");
    bench::Report("SaveToFile, 100,000 rows", save.Seconds(), n, "rows");
}

void AddWithoutDuplicates() {
    testkit::TempFolder scratch;
    const int n = 20000;
    std::vector<std::string> paths = MakeFiles(scratch, n);
    quarnel::frmQuarnel window;
    window.Show();
    bench::Stopwatch first;
    for (int i = 0; i < 1000; ++i) window.AddToList(paths[i], true);
    double firstSeconds = first.Seconds();
    bench::Stopwatch rest;
    for (int i = 1000; i < n; ++i) window.AddToList(paths[i], true);
    double restSeconds = rest.Seconds();
    bench::Report("AddToList no duplicates, first 1,000", firstSeconds, 1000, "rows");
    bench::Report("AddToList no duplicates, next 19,000", restSeconds, n - 1000, "rows");
    bench::Stopwatch again;
    for (int i = 0; i < n; ++i) window.AddToList(paths[i], true);  // every one already listed
    bench::Report("AddToList of 20,000 paths already listed", again.Seconds(), n, "rows");
}

const bool registered = bench::AddSection("list", [] {
    LoadAndSave();
    AddWithoutDuplicates();
});

}  // namespace
