#include "rt/events.h"

#include <windows.h>

#include <utility>

#include "rt/callback_guard.h"
#include "rt/form.h"

namespace rt {
namespace {
unsigned long long g_yields = 0;
std::function<void()> g_onYield;

void Dispatch(MSG& msg) {
    // The key preview runs the forms' key handlers from the loop itself.
    if (Guarded(false, [&] { return Form::PreTranslate(msg); })) return;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
}
}  // namespace

namespace detail {
bool PumpOne(bool wait) {
    MSG msg;
    if (wait) {
        BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got == 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            return false;
        }
        if (got < 0) return false;
    } else if (!PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
        return false;
    }
    if (msg.message == WM_QUIT) {
        PostQuitMessage(static_cast<int>(msg.wParam));
        return false;
    }
    Dispatch(msg);
    return true;
}
}  // namespace detail

void DoEvents() {
    ++g_yields;
    if (g_onYield) g_onYield();
    // Messages that handlers post meanwhile run too; the caps make sure a
    // yield returns even while a handler keeps posting.
    DWORD start = GetTickCount();
    int budget = 10000;
    while (budget-- > 0 && detail::PumpOne(false)) {
        if (GetTickCount() - start > 200) break;
    }
}

unsigned long long YieldCount() { return g_yields; }

void WatchYields(std::function<void()> onYield) { g_onYield = std::move(onYield); }

int RunMessageLoop() {
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) Dispatch(msg);
    return static_cast<int>(msg.wParam);
}

void EndProgram() { ExitProcess(0); }

}  // namespace rt
