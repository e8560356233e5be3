#include "testkit/dialog_answerer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>
#include <deque>
#include <map>
#include <thread>

#include "dialog_windows.h"

namespace testkit {

using Clock = std::chrono::steady_clock;

Answer Press(int button) {
    Answer a;
    a.button = button;
    return a;
}

Answer TypeFileName(const std::string& name) {
    Answer a;
    a.text = name;
    a.editControl = kFileNameControl;
    return a;
}

Answer TypeText(const std::string& text, int button) {
    Answer a;
    a.text = text;
    a.button = button;
    return a;
}

Answer ChooseFolder(const std::string& path) {
    Answer a;
    a.folder = path;
    return a;
}

Answer ClickToolButton(const std::string& caption, std::function<void(HWND)> inspect) {
    Answer a;
    a.toolButton = caption;
    a.inspect = std::move(inspect);
    return a;
}

Answer CloseBox(std::function<void(HWND)> inspect) {
    Answer a;
    a.closeBox = true;
    a.inspect = std::move(inspect);
    return a;
}

namespace {

constexpr UINT kTickMs = 10;
// A dialog is answered once it has stood for this long, so that what it
// posted to itself while starting has run.
constexpr auto kSettle = std::chrono::milliseconds(30);
// A folder picker still filling its tree cannot select a folder yet; it is
// tried again at the next ticks for this long before it is answered anyway.
constexpr auto kFolderPatience = std::chrono::seconds(2);

// What the kit knows of one dialog window.
struct Tracked {
    std::optional<Clock::time_point> enabledSince;  // start of its current stretch as a modal dialog
    bool answered = false;
    bool leftSinceAnswer = false;  // hidden or disabled (under a nested dialog) after its answer
    Clock::time_point answeredAt;
};

bool PostClick(HWND button) {
    return PostMessageA(GetParent(button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED),
                        reinterpret_cast<LPARAM>(button)) != 0;
}

bool Click(HWND dialog, int id) {
    HWND button = detail::FindEnabledPushButton(dialog, id);
    return button && PostClick(button);
}

// Unscripted or misanswered dialogs are backed out of: Cancel, else OK, else
// No, else the close box.
int BackOut(HWND dialog) {
    for (int id : {IDCANCEL, IDOK, IDNO}) {
        if (Click(dialog, id)) return id;
    }
    PostMessageA(dialog, WM_CLOSE, 0, 0);
    return 0;
}

std::string Name(const SeenDialog& seen) { return "\"" + seen.title + "\" (" + seen.text + ")"; }

}  // namespace

struct detail::AnswererState {
    explicit AnswererState(std::chrono::milliseconds t) : timeout(t) {}

    void Tick();
    // False when the dialog cannot take its answer yet: try at a later tick.
    bool Respond(HWND dialog, Clock::time_point standingSince);
    void CloseStuck(HWND dialog);
    void Watch();

    const std::chrono::milliseconds timeout;
    const DWORD thread = GetCurrentThreadId();
    std::deque<testkit::Answer> script;
    std::vector<SeenDialog> seen;
    std::map<HWND, Tracked> windows;
    UINT_PTR timer = 0;
    bool ticking = false;  // an answer's inspect step may pump messages
    std::atomic<Clock::rep> lastTick{Clock::now().time_since_epoch().count()};
    HANDLE stop = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    std::thread watchdog;
};

namespace {
thread_local detail::AnswererState* t_current = nullptr;

void CALLBACK OnTimer(HWND, UINT, UINT_PTR, DWORD) {
    detail::AnswererState* s = t_current;
    if (!s || s->ticking) return;
    s->ticking = true;
    s->Tick();
    s->ticking = false;
}
}  // namespace

void detail::AnswererState::Tick() {
    Clock::time_point now = Clock::now();
    lastTick = now.time_since_epoch().count();
    std::vector<HWND> open = detail::ModalDialogs(thread);
    for (auto it = windows.begin(); it != windows.end();) {
        if (!IsWindow(it->first)) {
            it = windows.erase(it);
            continue;
        }
        if (std::find(open.begin(), open.end(), it->first) == open.end()) {
            it->second.enabledSince.reset();
            if (it->second.answered) it->second.leftSinceAnswer = true;
        }
        ++it;
    }
    for (HWND dialog : open) {
        Tracked& t = windows[dialog];
        if (!t.enabledSince) t.enabledSince = now;
        bool due = !t.answered || t.leftSinceAnswer;
        if (due && now - *t.enabledSince >= kSettle) {
            // Answering may run code that ends this tick's view of the windows.
            t.answered = true;
            t.leftSinceAnswer = false;
            t.answeredAt = now;
            if (!Respond(dialog, *t.enabledSince)) t.answered = false;
            return;
        }
        if (!due && now - t.answeredAt >= timeout) {
            t.answeredAt = now;
            CloseStuck(dialog);
            return;
        }
    }
}

bool detail::AnswererState::Respond(HWND dialog, Clock::time_point standingSince) {
    SeenDialog record = detail::Describe(dialog);
    if (script.empty()) {
        record.expected = false;
        record.pressed = BackOut(dialog);
        ADD_FAILURE() << "unexpected dialog " << Name(record) << ", backed out with button " << record.pressed;
        seen.push_back(record);
        return true;
    }
    const std::optional<std::string>& folder = script.front().folder;
    if (folder && !detail::SelectFolder(dialog, *folder) && Clock::now() - standingSince < kFolderPatience)
        return false;
    testkit::Answer a = std::move(script.front());
    script.pop_front();
    if (a.inspect) a.inspect(dialog);
    if (a.text) {
        HWND edit = detail::FindEdit(dialog, a.editControl);
        if (edit) {
            SetWindowTextA(edit, a.text->c_str());
        } else {
            ADD_FAILURE() << "dialog " << Name(record) << " has no edit box " << a.editControl;
        }
    }
    if (a.closeBox) {
        PostMessageA(dialog, WM_SYSCOMMAND, SC_CLOSE, 0);
    } else if (!a.toolButton.empty()) {
        record.pressed = detail::ClickToolButton(dialog, a.toolButton);
        if (!record.pressed) {
            record.pressed = BackOut(dialog);
            ADD_FAILURE() << "dialog " << Name(record) << " has no enabled toolbar button \"" << a.toolButton
                          << "\", backed out with button " << record.pressed;
        }
    } else if (Click(dialog, a.button)) {
        record.pressed = a.button;
    } else {
        record.pressed = BackOut(dialog);
        ADD_FAILURE() << "dialog " << Name(record) << " has no enabled button " << a.button
                      << ", backed out with button " << record.pressed;
    }
    seen.push_back(record);
    return true;
}

void detail::AnswererState::CloseStuck(HWND dialog) {
    SeenDialog stuck = detail::Describe(dialog);
    ADD_FAILURE() << "dialog " << Name(stuck) << " still open " << timeout.count()
                  << " ms after its answer; closing it";
    if (stuck.className != "#32770" || !EndDialog(dialog, IDCANCEL)) DestroyWindow(dialog);
}

// The last guard: when the test thread stops serving the timer while one of
// its dialogs is open, nothing will ever answer it; end the test run.
void detail::AnswererState::Watch() {
    while (WaitForSingleObject(stop, kTickMs * 10) == WAIT_TIMEOUT) {
        Clock::time_point last{Clock::duration(lastTick.load())};
        if (Clock::now() - last < timeout || detail::ModalDialogs(thread).empty()) continue;
        std::fprintf(stderr, "testkit: a dialog is open and the test thread has not answered for %ld ms; ending\n",
                     static_cast<long>(timeout.count()));
        std::fflush(stderr);
        TerminateProcess(GetCurrentProcess(), 3);
    }
}

DialogAnswerer::DialogAnswerer(std::chrono::milliseconds timeout)
    : state_(std::make_unique<detail::AnswererState>(timeout)) {
    if (t_current) ADD_FAILURE() << "a DialogAnswerer is already active on this thread";
    t_current = state_.get();
    state_->timer = SetTimer(nullptr, 0, kTickMs, OnTimer);
    state_->watchdog = std::thread([s = state_.get()] { s->Watch(); });
}

DialogAnswerer::~DialogAnswerer() {
    KillTimer(nullptr, state_->timer);
    SetEvent(state_->stop);
    state_->watchdog.join();
    CloseHandle(state_->stop);
    if (t_current == state_.get()) t_current = nullptr;
    if (!state_->script.empty()) {
        ADD_FAILURE() << state_->script.size() << " scripted answer(s) taken by no dialog";
    }
}

DialogAnswerer& DialogAnswerer::Expect(testkit::Answer answer) {
    state_->script.push_back(std::move(answer));
    return *this;
}

const std::vector<SeenDialog>& DialogAnswerer::Seen() const { return state_->seen; }

size_t DialogAnswerer::Pending() const { return state_->script.size(); }

}  // namespace testkit
