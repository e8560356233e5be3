#pragma once
// The message loop: yielding once to pending events, the program's main loop,
// and the key preview that lets a form see keys before its focused control.
#include <functional>

namespace rt {

// Lets every pending window event run once, then returns.
void DoEvents();
// How many times DoEvents has run in this process (tests count yields with it).
unsigned long long YieldCount();
// Runs onYield at the start of every DoEvents from now on, so a test can see
// where a long run yields; an empty function stops it.
void WatchYields(std::function<void()> onYield);

// Runs the thread's message loop until WM_QUIT; returns its exit code.
int RunMessageLoop();
// Runs the loop until done() is true (modal windows), re-posting WM_QUIT.
template <class Done>
void RunMessageLoopUntil(Done done);

namespace detail {
bool PumpOne(bool wait);  // false when WM_QUIT was taken (and re-posted)
}

template <class Done>
void RunMessageLoopUntil(Done done) {
    while (!done()) {
        if (!detail::PumpOne(true)) return;
    }
}

// Ends the whole process at once (unloading a main window does this).
[[noreturn]] void EndProgram();

}  // namespace rt
