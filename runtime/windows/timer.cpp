#include "rt/timer.h"

namespace rt {
namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr int kMaxInterval = 65535;
}  // namespace

Timer::~Timer() {
    if (hwnd_) KillTimer(hwnd_, kTimerId);
}

// The timer's window is a hidden child of the form: it goes with the form,
// and its ticks come to Tick through the message loop, not to the form. They
// come as messages to that window, through the guarded procedure of every
// control: the platform's delivery to a timer procedure would pass over
// whatever fails in it without a word.
HWND Timer::Create(HWND parent, const RECT& rect, int id) {
    design_.visible = false;
    design_.tabIndex = -1;
    return CreateChild("STATIC", 0, 0, parent, rect, id);
}

void Timer::OnCreated() {
    Subclass();
    Restart();
}

bool Timer::SetInterval(int milliseconds) {
    if (milliseconds < 0 || milliseconds > kMaxInterval) return false;
    if (milliseconds == interval_) return true;
    interval_ = milliseconds;
    Restart();
    return true;
}

void Timer::SetEnabled(bool on) {
    if (on == enabled_) return;  // an enabled timer keeps its period running
    enabled_ = on;
    Restart();
}

void Timer::Restart() {
    if (!hwnd_) return;
    KillTimer(hwnd_, kTimerId);
    if (enabled_ && interval_ > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_), nullptr);
}

LRESULT Timer::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    if (msg != WM_TIMER || wp != kTimerId) return CallBase(msg, wp, lp);
    if (enabled_) {
        auto handler = Tick;  // the handler may unload the form
        if (handler) handler();
    }
    return 0;
}

}  // namespace rt
