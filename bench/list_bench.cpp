// The file list at scale: a list file of 100,000 files loaded beside the
// platform's floor (one attribute query per path), sorted by each column,
// saved; 20,000 adds with the duplicate test; and a list file naming one
// file 200,000 times, whose rows all share one key of the duplicate index.
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "testkit/temp_folder.h"
#include "quarnel/frmQuarnel.h"
#include "rt/files.h"

namespace {

constexpr double kSortGoalSeconds = 1.0;

std::string PathOf(const testkit::TempFolder& scratch, int i) {
    return scratch.Path() + "\\d" + std::to_string(i / 1000) + "\\file" + std::to_string(i) + ".txt";
}

// Files of a few sizes, so that a sort by size has work to do.
void MakeFiles(const testkit::TempFolder& scratch, int count) {
    for (int i = 0; i < count; ++i) {
        if (i % 1000 == 0) CreateDirectoryA((scratch.Path() + "\\d" + std::to_string(i / 1000)).c_str(), nullptr);
        testkit::WriteFileBytes(PathOf(scratch, i), std::string(static_cast<size_t>(i % 97), 'x'));
    }
}

// The list file written line by line, so that the benchmark holds no copy
// of the paths beside the list's own.
void WriteListFile(const testkit::TempFolder& scratch, int count, const std::string& list) {
    std::FILE* out = std::fopen(list.c_str(), "wb");
    if (!out) return;
    for (int i = 0; i < count; ++i) std::fprintf(out, "%s\r\n", PathOf(scratch, i).c_str());
    std::fclose(out);
}

double AttributeQueryFloor(const testkit::TempFolder& scratch, int count) {
    bench::Stopwatch watch;
    WIN32_FILE_ATTRIBUTE_DATA data;
    for (int i = 0; i < count; ++i) GetFileAttributesExA(PathOf(scratch, i).c_str(), GetFileExInfoStandard, &data);
    return watch.Seconds();
}

struct LoadFigures {
    double timesFloor;
    double peakMiB;  // at the end of the load
};

LoadFigures LoadSortAndSave() {
    std::printf("start: peak %.0f MiB\n", bench::PeakMemoryMiB());
    testkit::TempFolder scratch;
    const int n = 100000;
    MakeFiles(scratch, n);
    std::printf("files made: peak %.0f MiB\n", bench::PeakMemoryMiB());
    const std::string list = scratch.Path() + "\\list.txt";
    WriteListFile(scratch, n, list);
    quarnel::frmQuarnel window;
    window.Show();
    std::printf("the window shown, an empty list: peak %.0f MiB\n", bench::PeakMemoryMiB());

    const double floor = AttributeQueryFloor(scratch, n);
    bench::Report("floor: GetFileAttributesExA of the same 100,000 paths", floor, n, "paths");
    bench::Stopwatch load;
    window.LoadFromFile(list);
    const double loadSeconds = load.Seconds();
    bench::Report("LoadFromFile, 100,000 existing files", loadSeconds, window.lv1.Count(), "rows");
    const double loadPeak = bench::PeakMemoryMiB();
    std::printf("  %.2fx of the floor\n", loadSeconds / floor);

    for (int column = 1; column <= 4; ++column) {
        bench::Stopwatch sort;
        window.lv1_ColumnClick(column);
        const std::string what = "sort 100,000 rows by \"" + window.lv1.Columns()[column - 1].caption + "\"";
        const double seconds = sort.Seconds();
        bench::Report(what.c_str(), seconds, n, "rows");
        std::printf("  %.2fx of the %.0f s goal\n", seconds / kSortGoalSeconds, kSortGoalSeconds);
    }

    bench::Stopwatch save;
    window.SaveToFile(scratch.Path() + "\\saved.txt");
    bench::Report("SaveToFile, 100,000 rows", save.Seconds(), n, "rows");
    return {loadSeconds / floor, loadPeak};
}

void AddWithoutDuplicates() {
    testkit::TempFolder scratch;
    const int n = 20000;
    MakeFiles(scratch, n);
    quarnel::frmQuarnel window;
    window.Show();
    bench::Stopwatch first;
    for (int i = 0; i < 1000; ++i) window.AddToList(PathOf(scratch, i), true);
    double firstSeconds = first.Seconds();
    bench::Stopwatch rest;
    for (int i = 1000; i < n; ++i) window.AddToList(PathOf(scratch, i), true);
    double restSeconds = rest.Seconds();
    bench::Report("AddToList no duplicates, first 1,000", firstSeconds, 1000, "rows");
    bench::Report("AddToList no duplicates, next 19,000", restSeconds, n - 1000, "rows");
    bench::Stopwatch again;
    for (int i = 0; i < n; ++i) window.AddToList(PathOf(scratch, i), true);  // every one already listed
    bench::Report("AddToList of 20,000 paths already listed", again.Seconds(), n, "rows");
}

void LoadOnePathRepeated() {
    testkit::TempFolder scratch;
    const int n = 200000;
    const std::string file = scratch.Write("one.txt", "x"), list = scratch.Path() + "\\list.txt";
    std::FILE* out = std::fopen(list.c_str(), "wb");
    if (!out) return;
    for (int i = 0; i < n; ++i) std::fprintf(out, "%s\r\n", file.c_str());
    std::fclose(out);
    quarnel::frmQuarnel window;
    window.Show();
    bench::Stopwatch floor;
    WIN32_FILE_ATTRIBUTE_DATA data;
    for (int i = 0; i < n; ++i) GetFileAttributesExA(file.c_str(), GetFileExInfoStandard, &data);
    const double floorSeconds = floor.Seconds();
    bench::Report("floor: GetFileAttributesExA of one path 200,000 times", floorSeconds, n, "paths");
    bench::Stopwatch load;
    window.LoadFromFile(list);
    const double loadSeconds = load.Seconds();
    bench::Report("LoadFromFile, one existing file 200,000 times", loadSeconds, window.lv1.Count(), "rows");
    std::printf("  %.2fx of the floor\n", loadSeconds / floorSeconds);
}

const bool registered = bench::AddSection("list", [] {
    const LoadFigures load = LoadSortAndSave();
    AddWithoutDuplicates();
    LoadOnePathRepeated();
    std::printf("list: %.2fx of the floor, peak %.0f MiB\n", load.timesFloor, load.peakMiB);
});

}  // namespace
