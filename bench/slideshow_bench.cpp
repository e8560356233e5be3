// lumatra's show over 12-megapixel JPEGs: each slide's load time and time
// on screen with a delay of 1 second, whether 30 ticks take 30 seconds, and
// the peak memory after 30 and after 300 slides.
#include <windows.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "bench.h"
#include "lumatra/frmLumatra.h"
#include "lumatra/frmSlide.h"
#include "lumatra/modCommand.h"
#include "rt/screen.h"
#include "testkit/sample_pictures.h"
#include "testkit/temp_folder.h"

namespace {

using Clock = std::chrono::steady_clock;

// What the show did, seen from outside: the ticks its timer delivered and
// the moments the caption changed (a picture loaded and shown).
struct Watch {
    HWND timer = nullptr;
    HWND caption = nullptr;
    std::vector<Clock::time_point> ticks;
    std::vector<Clock::time_point> shown;
};
Watch* watching = nullptr;
HHOOK messageHook = nullptr;
HHOOK callHook = nullptr;

LRESULT CALLBACK SeeTicks(int code, WPARAM wp, LPARAM lp) {
    const auto* msg = reinterpret_cast<const MSG*>(lp);
    if (code >= 0 && wp == PM_REMOVE && watching && msg->message == WM_TIMER && msg->hwnd == watching->timer)
        watching->ticks.push_back(Clock::now());
    return CallNextHookEx(messageHook, code, wp, lp);
}

LRESULT CALLBACK SeeCaption(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    if (code >= 0 && watching && call->hwnd == watching->caption && call->message == WM_SETTEXT)
        watching->shown.push_back(Clock::now());
    return CallNextHookEx(callHook, code, wp, lp);
}

double Between(Clock::time_point a, Clock::time_point b) { return std::chrono::duration<double>(b - a).count(); }

void TimedShow(lumatra::frmLumatra& list) {
    lumatra::modCommand::SetSlideDefaults();
    lumatra::modCommand::intCycleDelay = 1;
    lumatra::frmSlide show(list.lv1);
    Watch watch;
    if (!show.Load()) return;
    watch.timer = show.Timer1.hwnd();
    watch.caption = show.lblFileName.hwnd();
    watching = &watch;
    messageHook = SetWindowsHookExA(WH_GETMESSAGE, SeeTicks, nullptr, GetCurrentThreadId());
    callHook = SetWindowsHookExA(WH_CALLWNDPROC, SeeCaption, nullptr, GetCurrentThreadId());
    const auto start = Clock::now();
    show.ShowModal();
    UnhookWindowsHookEx(messageHook);
    UnhookWindowsHookEx(callHook);
    watching = nullptr;

    // Slide k is shown at shown[k]; it was asked for at the tick before it
    // (the first at the start) and stays until the next tick.
    std::printf("  %5s %10s %12s\n", "slide", "load (s)", "on screen (s)");
    for (size_t k = 0; k < watch.shown.size(); ++k) {
        const auto asked = k == 0 ? start : watch.ticks[k - 1];
        const double load = Between(asked, watch.shown[k]);
        const double onScreen = k < watch.ticks.size() ? Between(watch.shown[k], watch.ticks[k]) : 0.0;
        std::printf("  %5zu %10.3f %12.3f\n", k + 1, load, onScreen);
    }
    if (watch.shown.empty() || watch.ticks.empty()) return;
    const double ticks = Between(watch.shown[0], watch.ticks.back());
    // The first picture enables the timer: tick k comes k periods later.
    std::printf("  %zu slides, %zu ticks in %.3f s from the first picture (drift %+.3f s)\n", watch.shown.size(),
                watch.ticks.size(), ticks, ticks - static_cast<double>(watch.ticks.size()));
    bench::Report("slide show, total", Between(start, Clock::now()), static_cast<double>(watch.shown.size()),
                  "slides");
}

lumatra::frmSlide* fastShow = nullptr;

void CALLBACK DeliverTick(HWND, UINT, UINT_PTR, DWORD) {
    if (fastShow) fastShow->Timer1_Timer();
}

// The show's ticks delivered as soon as each picture is up: the memory of
// many slides without waiting a second for each.
void FastShow(lumatra::frmLumatra& list) {
    lumatra::modCommand::SetSlideDefaults();
    lumatra::frmSlide show(list.lv1);
    fastShow = &show;
    const UINT_PTR tick = SetTimer(nullptr, 0, 1, DeliverTick);
    bench::Stopwatch run;
    show.ShowModal();
    KillTimer(nullptr, tick);
    fastShow = nullptr;
    bench::Report("slide show, 300 slides, ticks delivered at once", run.Seconds(), 300, "slides");
}

void SlideShow() {
    testkit::TempFolder scratch;
    const int distinct = 10;
    std::vector<std::string> pictures;
    bench::Stopwatch make;
    for (int k = 0; k < distinct; ++k) {
        pictures.push_back(scratch / ("photo" + std::to_string(k) + ".jpg"));
        if (!testkit::WriteBlockPatternJpeg(pictures.back(), 4000, 3000)) {
            std::printf("  no JPEG encoder: section skipped\n");
            return;
        }
    }
    std::printf("  %d JPEGs of 4000 x 3000 written in %.1f s\n", distinct, make.Seconds());

    lumatra::frmLumatra list;
    list.Show();
    for (int k = 0; k < 30; ++k) list.AddToList(pictures[k % distinct], false);
    TimedShow(list);
    std::printf("  peak memory after 30 slides: %.0f MiB\n", bench::PeakMemoryMiB());

    list.RemoveFromList(true);
    for (int k = 0; k < 300; ++k) list.AddToList(pictures[k % distinct], false);
    FastShow(list);
    std::printf("  peak memory after 300 slides: %.0f MiB\n", bench::PeakMemoryMiB());
}

const bool registered = bench::AddSection("slideshow", [] { SlideShow(); });

}  // namespace
