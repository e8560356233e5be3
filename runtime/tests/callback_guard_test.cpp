// A handler that throws, in each kind of call the platform makes into the
// program, is shown as an error and the program goes on: one box, titled
// with the program's title, and the window keeps working.
#include "rt/callback_guard.h"

#include <gtest/gtest.h>

#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "pump.h"
#include "rt/filesystem_lists.h"
#include "rt/form.h"
#include "rt/image.h"
#include "rt/listview.h"
#include "rt/timer.h"
#include "rt/toolbar.h"
#include "testkit/dialog_answerer.h"

namespace {

constexpr UINT kFailMessage = WM_APP + 1;
constexpr UINT kEchoMessage = WM_APP + 2;

struct NoRows : rt::ListView::Rows {
    int Count() const override { return 0; }
    std::string Cell(int, int) const override { return ""; }
    void Reorder(const std::vector<int>&) override {}
};

// Every handler calls fail(): it counts, and throws while armed.
struct Failure {
    std::function<void()> toThrow;
    int calls = 0;
    void operator()() {
        ++calls;
        if (toThrow) toThrow();
    }
};

void ThrowInvariant() { throw std::logic_error("the list lost a row"); }
void ThrowOutOfMemory() { throw std::bad_alloc(); }
void ThrowSomethingElse() { throw 42; }

class GuardForm : public rt::Form {
public:
    GuardForm() : rt::Form(Design()), lvList({{"Name", "Name", 1200}}, rows_), tbMain({{"Go", "Go", "Go"}}) {
        Place(lvList, {60, 60, 1500, 900});
        Place(File1, {1620, 60, 1500, 900});
        Place(Dir1, {60, 1020, 1500, 900});
        Place(imgShow, {1620, 1020, 1500, 900});
        Place(tbMain, {60, 1980, 1500, 400});
        Place(Timer1, {});
        lvList.MouseUp = [this](int, int, int, int) { fail(); };
        File1.MouseUp = [this](int, int, int, int) { fail(); };
        Dir1.MouseUp = [this](int, int, int, int) { fail(); };
        imgShow.MouseDown = [this](int, int, float, float) { fail(); };
        tbMain.ButtonClick = [this](const rt::ToolButton&) { fail(); };
        Timer1.Tick = [this] { fail(); };
    }
    static rt::FormDesign Design() {
        rt::FormDesign d;
        d.caption = "Guarded";
        d.clientWidth = 3300;
        d.clientHeight = 2500;
        d.keyPreview = true;
        return d;
    }

    Failure fail;
    bool paintFails = false;
    NoRows rows_;
    rt::ListView lvList;
    rt::FileListBox File1;
    rt::DirListBox Dir1;
    rt::Image imgShow;
    rt::Toolbar tbMain;
    rt::Timer Timer1{{.interval = 10, .enabled = false}};

protected:
    void Form_KeyDown(int& keyCode, int shift) override {
        (void)keyCode, (void)shift;
        fail();
    }
    bool Form_Message(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        if (msg == kFailMessage || (msg == WM_PAINT && paintFails)) fail();
        if (msg != kEchoMessage) return false;
        result = static_cast<LRESULT>(wp) * 2;
        return true;
    }
};

class CallbackGuard : public ::testing::Test {
protected:
    void SetUp() override {
        form.Show();
        ASSERT_TRUE(form.IsLoaded());
    }

    // Runs act with the handlers throwing: one error box says text, the
    // failing handler is not called again while it stands, and afterwards
    // the same act reaches the handler, which no longer throws, without a box.
    void ExpectShownOnceAndTheWindowWorking(const std::function<void()>& act, void (*thrower)(),
                                            const std::string& text) {
        int callsWhileOpen = -1;
        {
            testkit::DialogAnswerer answers;
            testkit::Answer ok = testkit::Press(IDOK);
            ok.inspect = [&](HWND) {
                const int shown = form.fail.calls;
                rt_test::PumpUntil([] { return false; }, 50);
                callsWhileOpen = form.fail.calls - shown;
                form.fail.toThrow = nullptr;
            };
            answers.Expect(ok);
            form.fail.toThrow = thrower;
            act();
            ASSERT_EQ(answers.Seen().size(), 1u);
            const testkit::SeenDialog& box = answers.Seen()[0];
            EXPECT_EQ(box.title, "Runtime Test : Error");
            EXPECT_EQ(box.text, text);
            EXPECT_EQ(box.icon, testkit::Icon::Error);
            EXPECT_EQ(box.buttons, std::vector<int>{IDOK});
        }
        EXPECT_EQ(callsWhileOpen, 0) << "asked again while the box stood";
        const int before = form.fail.calls;
        act();
        EXPECT_TRUE(rt_test::PumpUntil([&] { return form.fail.calls > before; }));
        EXPECT_EQ(SendMessageA(form.hwnd(), kEchoMessage, 21, 0), 42);
    }

    GuardForm form;
};

TEST_F(CallbackGuard, WindowProceduresOfTheFormAndItsControls) {
    auto send = [](HWND to, UINT msg, WPARAM wp = 0) {
        return [=] { SendMessageA(to, msg, wp, MAKELPARAM(4, 4)); };
    };
    TBBUTTON go{};
    SendMessageA(form.tbMain.hwnd(), TB_GETBUTTON, 0, reinterpret_cast<LPARAM>(&go));
    struct Case {
        const char* what;
        std::function<void()> act;
        void (*thrower)();
        const char* text;
    } cases[] = {
        {"the form's own message", send(form.hwnd(), kFailMessage), ThrowInvariant, "the list lost a row"},
        {"a toolbar button",
         [&] {
             SendMessageA(form.hwnd(), WM_COMMAND, MAKEWPARAM(go.idCommand, BN_CLICKED),
                          reinterpret_cast<LPARAM>(form.tbMain.hwnd()));
         },
         ThrowOutOfMemory, "Out of memory"},
        {"the list view", send(form.lvList.hwnd(), WM_RBUTTONUP), ThrowInvariant, "the list lost a row"},
        {"the file box", send(form.File1.hwnd(), WM_LBUTTONUP), ThrowSomethingElse, "Unexpected error"},
        {"the folder box", send(form.Dir1.hwnd(), WM_RBUTTONUP), ThrowInvariant, "the list lost a row"},
        {"the image", send(form.imgShow.hwnd(), WM_RBUTTONDOWN, MK_RBUTTON), ThrowInvariant, "the list lost a row"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ExpectShownOnceAndTheWindowWorking(c.act, c.thrower, c.text);
    }
}

// A paint that fails counts as done: it is not asked for again at once, which
// would show the box over and over.
TEST_F(CallbackGuard, AFailedPaintIsNotAskedForAgain) {
    form.paintFails = true;
    ExpectShownOnceAndTheWindowWorking(
        [&] {
            InvalidateRect(form.hwnd(), nullptr, TRUE);
            UpdateWindow(form.hwnd());
        },
        ThrowInvariant, "the list lost a row");
}

TEST_F(CallbackGuard, TheKeyPreview) {
    form.File1.SetFocus();
    ExpectShownOnceAndTheWindowWorking(
        [&] {
            const int before = form.fail.calls;
            PostMessageA(form.File1.hwnd(), WM_KEYDOWN, VK_F5, 0);
            rt_test::PumpUntil([&] { return form.fail.calls > before; });
        },
        ThrowOutOfMemory, "Out of memory");
}

// A timer that fails at every tick shows one box while it stands, and keeps
// ticking.
TEST_F(CallbackGuard, ATimerFailingAtEveryTickShowsOneBox) {
    testkit::DialogAnswerer answers;
    int callsWhileOpen = 0;
    testkit::Answer ok = testkit::Press(IDOK);
    ok.inspect = [&](HWND) {
        const int first = form.fail.calls;
        rt_test::PumpUntil([&] { return form.fail.calls >= first + 3; });
        callsWhileOpen = form.fail.calls - first;
        form.fail.toThrow = nullptr;
    };
    answers.Expect(ok);
    form.fail.toThrow = ThrowSomethingElse;
    form.Timer1.SetEnabled(true);
    ASSERT_TRUE(rt_test::PumpUntil([&] { return answers.Seen().size() == 1; }));
    EXPECT_EQ(answers.Seen()[0].title, "Runtime Test : Error");
    EXPECT_EQ(answers.Seen()[0].text, "Unexpected error");
    EXPECT_GE(callsWhileOpen, 3);
    const int before = form.fail.calls;
    EXPECT_TRUE(rt_test::PumpUntil([&] { return form.fail.calls >= before + 3; }));
    EXPECT_EQ(answers.Seen().size(), 1u);
}

}  // namespace
