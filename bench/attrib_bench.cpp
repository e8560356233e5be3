// quarnel's attribute run over 10,000 listed files: a typed date and two
// attributes on each.
#include <cstdio>
#include <string>

#include "bench.h"
#include "testkit/temp_folder.h"
#include "quarnel/frmQuarnel.h"
#include "quarnel/frmSettings.h"

namespace {

void ApplyAttributes() {
    testkit::TempFolder scratch;
    const int n = 10000;
    quarnel::frmQuarnel window;
    window.Show();
    for (int i = 0; i < n; ++i) {
        const std::string folder = scratch.Path() + "\\d" + std::to_string(i / 1000);
        if (i % 1000 == 0) CreateDirectoryA(folder.c_str(), nullptr);
        const std::string path = folder + "\\file" + std::to_string(i) + ".txt";
        testkit::WriteFileBytes(path, "x");
        window.AddToList(path, true);
    }
    quarnel::frmSettings settings(window);
    settings.Load();
    settings.chkArchive.SetValue(1);
    settings.chkHidden.SetValue(1);
    settings.txtDate.SetText("2024-07-15 13:14:15");

    long errors = 0;
    bench::Stopwatch run;
    settings.ApplyAttributes(errors);
    bench::Report("ApplyAttributes, 10,000 files, typed date and two attributes", run.Seconds(), n, "files");
    std::printf("  errors %ld, rows left %d\n", errors, window.lv1.Count());
}

const bool registered = bench::AddSection("attrib", [] { ApplyAttributes(); });

}  // namespace
