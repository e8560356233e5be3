// The picture loader on a 24-megapixel JPEG (6000 x 4000): 20 loads (median
// time, peak memory), then 500 loads that each replace the picture before,
// whose peak memory must stay near the first; beside them the platform's own
// decoder on the same file.
#include <initguid.h>
#include <wincodec.h>
#include <wrl/client.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "rt/picture.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

constexpr int kWidth = 6000, kHeight = 4000;

double Median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.size() % 2 ? v[v.size() / 2] : (v[v.size() / 2 - 1] + v[v.size() / 2]) / 2;
}

// The memory the process holds now (private bytes), in MiB.
double HeldMiB() {
    PROCESS_MEMORY_COUNTERS pmc{};
    pmc.cb = sizeof pmc;
    GetProcessMemoryInfo(GetCurrentProcess(), &pmc, sizeof pmc);
    return pmc.PagefileUsage / (1024.0 * 1024.0);
}

// The platform's decoder alone: every pixel of the file's first frame read
// into memory of our own.
bool DecodeDirectly(const std::string& path) {
    using Microsoft::WRL::ComPtr;
    std::wstring wide(path.size() + 1, L'\0');
    wide.resize(std::max(0, MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide.data(),
                                                static_cast<int>(wide.size())) - 1));
    ComPtr<IWICImagingFactory> factory;
    ComPtr<IWICBitmapDecoder> decoder;
    ComPtr<IWICBitmapFrameDecode> frame;
    UINT width = 0, height = 0;
    if (FAILED(CoCreateInstance(CLSID_WICImagingFactory, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&factory))) ||
        FAILED(factory->CreateDecoderFromFilename(wide.c_str(), nullptr, GENERIC_READ, WICDecodeMetadataCacheOnDemand,
                                                  &decoder)) ||
        FAILED(decoder->GetFrame(0, &frame)) || FAILED(frame->GetSize(&width, &height))) {
        return false;
    }
    const UINT stride = (width * 3 + 3) / 4 * 4;
    std::vector<BYTE> pixels(static_cast<size_t>(stride) * height);
    return SUCCEEDED(frame->CopyPixels(nullptr, stride, static_cast<UINT>(pixels.size()), pixels.data()));
}

void LoadLargeJpeg() {
    CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED);
    testkit::TempFolder scratch;
    const std::string path = scratch / "large.jpg";
    if (!testkit::WriteBlockPatternJpeg(path, kWidth, kHeight)) {
        std::printf("  the platform could not write the sample JPEG\n");
        return;
    }
    std::printf("  sample %d x %d, peak %.0f MiB after making it\n", kWidth, kHeight, bench::PeakMemoryMiB());

    // Each load replaces the picture before, which is released only once the
    // new one has loaded: a caller keeps its picture when a load fails.
    rt::Picture shown;
    std::vector<double> times;
    for (int i = 0; i < 20; ++i) {
        bench::Stopwatch load;
        shown = rt::Picture::Load(path);
        times.push_back(load.Seconds());
        if (!shown.IsLoaded()) {
            std::printf("  the loader failed on the sample\n");
            return;
        }
    }
    const double firstPeak = bench::PeakMemoryMiB();
    std::printf("%-58s %9.3f s median  peak %.0f MiB\n", "Picture::Load, 24-megapixel JPEG, 20 loads", Median(times),
                firstPeak);

    double heldAfterFirst = 0;
    bench::Stopwatch all;
    for (int i = 0; i < 500; ++i) {
        shown = rt::Picture::Load(path);
        if (i == 0) heldAfterFirst = HeldMiB();
    }
    const double lastPeak = bench::PeakMemoryMiB();
    bench::Report("Picture::Load, 500 loads each replacing the last", all.Seconds(), 500, "loads");
    std::printf("  held %.0f MiB after the first load, %.0f MiB after the last; peak %.0f MiB (%+.1f%% of %.0f)\n",
                heldAfterFirst, HeldMiB(), lastPeak, 100.0 * (lastPeak - firstPeak) / firstPeak, firstPeak);

    // Last, so that its memory does not count in the loader's peaks.
    std::vector<double> direct;
    for (int i = 0; i < 20; ++i) {
        bench::Stopwatch decode;
        if (!DecodeDirectly(path)) {
            std::printf("  the platform's decoder failed on the sample\n");
            return;
        }
        direct.push_back(decode.Seconds());
    }
    std::printf("%-58s %9.3f s median  peak %.0f MiB\n", "Platform decoder alone, same file, 20 decodes", Median(direct),
                bench::PeakMemoryMiB());
}

const bool registered = bench::AddSection("picture", [] { LoadLargeJpeg(); });

}  // namespace
