#include "rt/timer.h"

#include "rt/callback_guard.h"

namespace rt {
namespace {
constexpr UINT_PTR kTimerId = 1;
constexpr int kMaxInterval = 65535;
}  // namespace

Timer::~Timer() {
    if (hwnd_) KillTimer(hwnd_, kTimerId);
}

// The timer's window is a hidden child of the form: it goes with the form,
// and its ticks come to Tick through the message loop, not to the form.
HWND Timer::Create(HWND parent, const RECT& rect, int id) {
    design_.visible = false;
    design_.tabIndex = -1;
    return CreateChild("STATIC", 0, 0, parent, rect, id);
}

void Timer::OnCreated() {
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
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
    if (enabled_ && interval_ > 0) SetTimer(hwnd_, kTimerId, static_cast<UINT>(interval_), &Timer::OnTick);
}

void CALLBACK Timer::OnTick(HWND hwnd, UINT, UINT_PTR, DWORD) {
    auto* self = reinterpret_cast<rt::Timer*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd || !self->enabled_) return;
    Guarded([&] {
        auto handler = self->Tick;  // the handler may unload the form
        if (handler) handler();
    });
}

}  // namespace rt
