#include "show_script.h"

#include <gtest/gtest.h>

#include <deque>

namespace lumatra_test {

namespace {

struct Script {
    lumatra::frmSlide* show = nullptr;
    std::deque<ShowStep> steps;
    int idleTurns = 0;
    bool busy = false;  // a step's own yields may bring the next turn
};
Script* running = nullptr;

constexpr UINT kTurnMs = 10;
constexpr int kMaxIdleTurns = 500;  // a few seconds without progress

void CALLBACK Turn(HWND, UINT, UINT_PTR, DWORD) {
    if (!running || running->busy || !running->show->IsLoaded()) return;
    running->busy = true;
    if (!running->steps.empty() && (!running->steps.front().ready || running->steps.front().ready())) {
        ShowStep step = std::move(running->steps.front());
        running->steps.pop_front();
        running->idleTurns = 0;
        step.act();
    } else if (++running->idleTurns > kMaxIdleTurns) {
        ADD_FAILURE() << (running->steps.empty() ? "the show did not end" : "a step was never ready");
        running->show->Unload();
    }
    running->busy = false;
}

LRESULT CALLBACK LaterProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    if (msg == WM_APP) {
        std::unique_ptr<std::function<void()>> fn(reinterpret_cast<std::function<void()>*>(lp));
        (*fn)();
        return 0;
    }
    return DefWindowProcA(hwnd, msg, wp, lp);
}

HWND LaterWindow() {
    static HWND window = [] {
        WNDCLASSA wc{};
        wc.lpfnWndProc = LaterProc;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = "LumatraTestLater";
        RegisterClassA(&wc);
        return CreateWindowA("LumatraTestLater", "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, wc.hInstance, nullptr);
    }();
    return window;
}

struct DestroyWatch {
    HWND window = nullptr;
    std::function<void()> fn;
    HHOOK hook = nullptr;
} destroyWatch;

LRESULT CALLBACK SeeDestroy(int code, WPARAM wp, LPARAM lp) {
    const auto* call = reinterpret_cast<const CWPSTRUCT*>(lp);
    HHOOK hook = destroyWatch.hook;
    if (code >= 0 && call->message == WM_DESTROY && call->hwnd == destroyWatch.window) {
        UnhookWindowsHookEx(destroyWatch.hook);
        destroyWatch.hook = nullptr;
        auto fn = std::move(destroyWatch.fn);
        fn();
    }
    return CallNextHookEx(hook, code, wp, lp);
}

}  // namespace

void AtDestroy(HWND window, std::function<void()> fn) {
    destroyWatch.window = window;
    destroyWatch.fn = std::move(fn);
    destroyWatch.hook = SetWindowsHookExA(WH_CALLWNDPROC, SeeDestroy, nullptr, GetCurrentThreadId());
}

bool RunShow(lumatra::frmSlide& show, std::vector<ShowStep> steps) {
    Script script{&show, {steps.begin(), steps.end()}};
    running = &script;
    const UINT_PTR timer = SetTimer(nullptr, 0, kTurnMs, Turn);
    show.ShowModal();
    KillTimer(nullptr, timer);
    running = nullptr;
    const bool ended = script.steps.empty() && script.idleTurns <= kMaxIdleTurns;
    EXPECT_TRUE(script.steps.empty()) << script.steps.size() << " steps did not run";
    return ended;
}

void Later(std::function<void()> fn) {
    PostMessageA(LaterWindow(), WM_APP, 0, reinterpret_cast<LPARAM>(new std::function<void()>(std::move(fn))));
}

void TypeChar(const lumatra::frmSlide& show, char c) {
    PostMessageA(show.hwnd(), WM_CHAR, static_cast<unsigned char>(c), 1);
}

void PressKey(const lumatra::frmSlide& show, int virtualKey) {
    PostMessageA(show.hwnd(), WM_KEYDOWN, static_cast<WPARAM>(virtualKey), 1);
    PostMessageA(show.hwnd(), WM_KEYUP, static_cast<WPARAM>(virtualKey), 0xC0000001);
}

void Click(HWND where, int button) {
    const UINT down = button == 1 ? WM_LBUTTONDOWN : button == 2 ? WM_RBUTTONDOWN : WM_MBUTTONDOWN;
    const WPARAM keys = button == 1 ? MK_LBUTTON : button == 2 ? MK_RBUTTON : MK_MBUTTON;
    PostMessageA(where, down, keys, MAKELPARAM(5, 5));
    PostMessageA(where, down + 1, 0, MAKELPARAM(5, 5));
}

}  // namespace lumatra_test
