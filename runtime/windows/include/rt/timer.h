#pragma once
#include <functional>

#include "rt/control.h"

namespace rt {

struct TimerDesign {
    int interval = 0;  // milliseconds, 0 to 65535; 0 never ticks
    bool enabled = true;
};

// A timer placed on a form like a control (it has no visible window): Tick
// runs every interval through the message loop while it is enabled and the
// form is loaded. Enabling an enabled timer, or setting the interval it has,
// leaves its period running; a new interval or a new enabling starts a full
// period.
class Timer : public Control {
public:
    explicit Timer(TimerDesign design = {}) : interval_(design.interval), enabled_(design.enabled) {}
    ~Timer() override;
    int Interval() const { return interval_; }
    // Outside 0 to 65535 the interval is refused (false) and kept.
    bool SetInterval(int milliseconds);
    bool Enabled() const { return enabled_; }
    void SetEnabled(bool on);
    // The timer event (a member cannot share the class's name).
    std::function<void()> Tick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Restart();
    int interval_;
    bool enabled_;
};

}  // namespace rt
