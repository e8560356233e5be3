#pragma once
// Lets the thread's window events run until a condition holds or time is up.
#include <windows.h>

#include <chrono>

#include "rt/events.h"

namespace rt_test {

template <class Done>
bool PumpUntil(Done done, DWORD timeoutMs = 10000) {
    const auto end = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (!done()) {
        if (std::chrono::steady_clock::now() >= end) return false;
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
        rt::DoEvents();
    }
    return true;
}

}  // namespace rt_test
