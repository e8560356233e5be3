#pragma once
// Every call the platform makes into the program (window and dialog
// procedures, timers, enumerations, the key preview) runs through Guarded.
// An exception that escapes a handler there is an error nothing else
// handles: it is shown in a message box titled with the program's title and
// " : Error", and the program goes on. One such box shows at a time, so a
// handler that fails again while it is open adds no second one.
#include <windows.h>

namespace rt {

// Shows the exception being handled; only within a catch block.
void ShowUnexpectedError() noexcept;

// body's result, or onError after an exception escaped it (shown).
template <class Result, class Body>
Result Guarded(Result onError, Body&& body) noexcept {
    try {
        return body();
    } catch (...) {
        ShowUnexpectedError();
        return onError;
    }
}

template <class Body>
void Guarded(Body&& body) noexcept {
    Guarded(0, [&] {
        body();
        return 0;
    });
}

// A window procedure's handling of one message: 0 after a failure, and a
// paint that failed counts as done, since the window would ask for it again
// at once.
template <class Body>
LRESULT GuardedMessage(HWND hwnd, UINT msg, Body&& body) noexcept {
    return Guarded(LRESULT{0}, [&]() -> LRESULT {
        try {
            return body();
        } catch (...) {
            if (msg == WM_PAINT) ValidateRect(hwnd, nullptr);
            throw;
        }
    });
}

}  // namespace rt
