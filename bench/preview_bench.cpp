// glimtor's preview of large pictures: PreviewSelectedFile beside the
// platform's own decoder for the same file, the memory over 500 previews in a
// row, and the save of a 24-megapixel JPEG as a bitmap.
#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "glimtor/frmGlimtor.h"
#include "rt/files.h"
#include "rt/picture.h"
#include "testkit/dialog_answerer.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v[v.size() / 2];
}

// Median seconds of runs of step.
template <class Step>
double MedianOf(int runs, Step step) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        bench::Stopwatch watch;
        step();
        times.push_back(watch.Seconds());
    }
    return Median(times);
}

struct Shown {
    testkit::TempFolder folder;
    glimtor::frmGlimtor window;

    Shown() {
        window.Show();
        window.Drive1.SetDrive(folder.Path());
        window.Dir1.SetPath(folder.Path());
        window.cmbFilter.SetListIndex(6);  // *.*
    }
    void Select(const std::string& name) {
        window.File1.Refresh();
        for (int i = 0; i < window.File1.ListCount(); ++i)
            if (window.File1.List(i) == name) window.File1.SetListIndex(i);
    }
};

void PreviewAgainstDecoder(Shown& s, const std::string& name, const char* what) {
    const std::string path = s.folder / name;
    s.Select(name);
    const double decoder = MedianOf(20, [&] { rt::Picture::Load(path); });
    const double decoderPeak = bench::PeakMemoryMiB();
    const double preview = MedianOf(20, [&] { s.window.PreviewSelectedFile(); });
    std::printf("%-34s preview %6.3f s, decoder alone %6.3f s, ratio %4.2f; peak %.0f MiB (decoder alone %.0f MiB)\n",
                what, preview, decoder, decoder > 0 ? preview / decoder : 0.0, bench::PeakMemoryMiB(), decoderPeak);
    std::fflush(stdout);
}

void Preview() {
    Shown s;
    const std::string jpeg = "photo.jpg", bmp = "scan.bmp";
    bench::Stopwatch making;
    testkit::WriteBlockPatternJpeg(s.folder / jpeg, 6000, 4000);
    testkit::WriteFileBytes(s.folder / bmp, testkit::BmpBytes(testkit::BlockPattern(4000, 3000)));
    std::printf("samples made in %.1f s, peak %.0f MiB\n", making.Seconds(), bench::PeakMemoryMiB());

    PreviewAgainstDecoder(s, jpeg, "JPEG 6000 x 4000, median of 20");
    PreviewAgainstDecoder(s, bmp, "BMP 4000 x 3000, median of 20");
    const double peakAfter20 = bench::PeakMemoryMiB();

    // A folder of such pictures, previewed one after the other.
    std::vector<std::string> names;
    const auto copy = [&](const std::string& from, const std::string& name) {
        names.push_back(name);
        if (rt::Error e = rt::CopyFileTo(s.folder / from, s.folder / name))
            std::printf("  %s not copied: %s\n", name.c_str(), e.description.c_str());
    };
    for (int i = 0; i < 4; ++i) {
        copy(jpeg, "photo" + std::to_string(i) + ".jpg");
        copy(bmp, "scan" + std::to_string(i) + ".bmp");
    }
    s.window.File1.Refresh();
    bench::Stopwatch row;
    const int previews = 500;
    for (int i = 0; i < previews; ++i) {
        s.Select(names[i % names.size()]);
        s.window.PreviewSelectedFile();
    }
    const double peakAfter500 = bench::PeakMemoryMiB();
    std::printf("%d previews in a row: %.1f s, peak %.0f MiB (after 20: %.0f MiB, %+.1f%%)\n", previews,
                row.Seconds(), peakAfter500, peakAfter20, 100.0 * (peakAfter500 - peakAfter20) / peakAfter20);

    s.Select(jpeg);
    s.window.PreviewSelectedFile();
    const std::string target = s.folder / "photo-saved.bmp";
    testkit::DialogAnswerer answerer;
    answerer.Expect(testkit::TypeFileName(target));
    bench::Stopwatch save;
    s.window.SaveSelectedAsBmp();
    const double saveSeconds = save.Seconds();
    unsigned long long size = 0;
    rt::FileLength(target, size);
    std::printf("SaveSelectedAsBmp of the 6000 x 4000 JPEG: %.2f s, %llu bytes, peak %.0f MiB\n", saveSeconds, size,
                bench::PeakMemoryMiB());
}

const bool registered = bench::AddSection("preview", Preview);

}  // namespace
