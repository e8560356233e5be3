#include "rt/timer.h"

#include <gtest/gtest.h>

#include "pump.h"
#include "rt/form.h"

namespace {

class TimerForm : public rt::Form {
public:
    explicit TimerForm(rt::TimerDesign timer) : rt::Form(rt::FormDesign{}), Timer1(timer) {
        Place(Timer1, {});
        Timer1.Tick = [this] { ++ticks; };
    }
    rt::Timer Timer1;
    int ticks = 0;
};

TEST(Timer, TicksThroughTheMessageLoopOnlyWhileEnabledAndLoaded) {
    TimerForm f({.interval = 50, .enabled = false});
    ASSERT_TRUE(f.Load());
    Sleep(150);
    rt::DoEvents();
    EXPECT_EQ(f.ticks, 0);  // disabled at design

    f.Timer1.SetEnabled(true);
    EXPECT_TRUE(rt_test::PumpUntil([&] { return f.ticks >= 2; }));

    f.Unload();
    const int before = f.ticks;
    Sleep(150);
    rt::DoEvents();
    EXPECT_EQ(f.ticks, before);
}

// Re-enabling an enabled timer, or giving it the interval it has, over and
// over for longer than its period, must still let it tick: its period keeps
// running. A timer that restarted on each of them would never tick here.
TEST(Timer, EqualValuesLeaveThePeriodRunning) {
    for (bool viaInterval : {false, true}) {
        TimerForm f({.interval = 300, .enabled = true});
        ASSERT_TRUE(f.Load());
        const bool ticked = rt_test::PumpUntil(
            [&] {
                if (viaInterval) {
                    f.Timer1.SetInterval(300);
                } else {
                    f.Timer1.SetEnabled(true);
                }
                return f.ticks > 0;
            },
            5000);
        EXPECT_TRUE(ticked) << (viaInterval ? "interval" : "enabled");
    }
}

TEST(Timer, RefusesIntervalsOutsideItsRangeAndKeepsTheOldOne) {
    TimerForm f({.interval = 1000});
    for (int bad : {-1, 65536, 100000}) {
        EXPECT_FALSE(f.Timer1.SetInterval(bad)) << bad;
        EXPECT_EQ(f.Timer1.Interval(), 1000) << bad;
    }
    EXPECT_TRUE(f.Timer1.SetInterval(65535));
    EXPECT_TRUE(f.Timer1.SetInterval(0));
    EXPECT_EQ(f.Timer1.Interval(), 0);
}

TEST(Timer, AnIntervalOfZeroNeverTicks) {
    TimerForm f({.interval = 0, .enabled = true});
    ASSERT_TRUE(f.Load());
    Sleep(100);
    rt::DoEvents();
    EXPECT_EQ(f.ticks, 0);
    f.Timer1.SetInterval(30);
    EXPECT_TRUE(rt_test::PumpUntil([&] { return f.ticks > 0; }));
}

// The handler may unload the form that owns the timer.
TEST(Timer, AHandlerMayUnloadItsForm) {
    TimerForm f({.interval = 20});
    f.Timer1.Tick = [&] {
        ++f.ticks;
        f.Unload();
    };
    ASSERT_TRUE(f.Load());
    EXPECT_TRUE(rt_test::PumpUntil([&] { return !f.IsLoaded(); }));
    Sleep(100);
    rt::DoEvents();
    EXPECT_EQ(f.ticks, 1);
}

}  // namespace
