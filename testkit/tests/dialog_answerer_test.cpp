#include "testkit/dialog_answerer.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

#include "rt/form.h"
#include "rt/msgbox.h"
#include "rt/toolbar.h"

using testkit::DialogAnswerer;
using testkit::Icon;

namespace {

TEST(DialogAnswerer, AnswersMessageBoxesInOrderAndRecordsThem) {
    struct Case {
        UINT style;
        int press;
        Icon icon;
        std::vector<int> buttons;
    } cases[] = {
        {MB_OK | MB_ICONINFORMATION, IDOK, Icon::Information, {IDOK}},
        {MB_YESNO | MB_ICONQUESTION, IDNO, Icon::Question, {IDYES, IDNO}},
        {MB_YESNOCANCEL | MB_ICONHAND, IDYES, Icon::Error, {IDYES, IDNO, IDCANCEL}},
        {MB_RETRYCANCEL | MB_ICONEXCLAMATION, IDRETRY, Icon::Warning, {IDRETRY, IDCANCEL}},
        {MB_OKCANCEL, IDCANCEL, Icon::None, {IDOK, IDCANCEL}},
    };
    DialogAnswerer kit;
    for (const Case& c : cases) kit.Expect(testkit::Press(c.press));
    for (size_t i = 0; i < std::size(cases); ++i) {
        std::string text = "Message " + std::to_string(i);
        std::string title = "Title " + std::to_string(i);
        EXPECT_EQ(MessageBoxA(nullptr, text.c_str(), title.c_str(), cases[i].style), cases[i].press) << i;
    }
    ASSERT_EQ(kit.Seen().size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const testkit::SeenDialog& seen = kit.Seen()[i];
        EXPECT_EQ(seen.title, "Title " + std::to_string(i));
        EXPECT_EQ(seen.text, "Message " + std::to_string(i));
        EXPECT_EQ(seen.className, "#32770");
        EXPECT_EQ(seen.icon, cases[i].icon) << i;
        EXPECT_EQ(seen.buttons, cases[i].buttons) << i;
        EXPECT_EQ(seen.pressed, cases[i].press);
        EXPECT_TRUE(seen.expected);
    }
    EXPECT_EQ(kit.Pending(), 0u);
}

TEST(DialogAnswerer, BacksOutOfAnUnscriptedDialogAndFails) {
    int result = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit;
            result = MessageBoxA(nullptr, "Surprise", "Box", MB_OKCANCEL);
            ASSERT_EQ(kit.Seen().size(), 1u);
            EXPECT_FALSE(kit.Seen()[0].expected);
        },
        "unexpected dialog \"Box\" (Surprise)");
    EXPECT_EQ(result, IDCANCEL);

    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit;
            result = MessageBoxA(nullptr, "Only OK", "Box", MB_OK);
        },
        "unexpected dialog");
    EXPECT_EQ(result, IDOK);
}

TEST(DialogAnswerer, ReportsAButtonTheDialogLacks) {
    int result = 0;
    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit;
            kit.Expect(testkit::Press(IDRETRY));
            result = MessageBoxA(nullptr, "Yes or no", "Box", MB_YESNO);
        },
        "has no enabled button 4");
    EXPECT_EQ(result, IDNO);
}

TEST(DialogAnswerer, ReportsAnswersNoDialogTook) {
    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit;
            kit.Expect(testkit::Press(IDOK));
        },
        "1 scripted answer(s) taken by no dialog");
}

// A modal input window of a custom class, over an owner that it disables.
class CustomInputBox {
public:
    static constexpr int kEditId = 101;

    // Shows the box and runs its loop until it is gone.
    void Run() {
        RegisterOnce();
        HWND owner = CreateWindowA("STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr,
                                   nullptr, nullptr, nullptr);
        box_ = CreateWindowA(kClass, "Custom Input", WS_POPUP | WS_CAPTION | WS_SYSMENU, 50, 50, 300, 120, owner,
                             nullptr, nullptr, this);
        Child("STATIC", "Your name:", 0, 10, 10, 150);
        Child("EDIT", "", kEditId, 10, 40, 150);
        Child("BUTTON", "OK", IDOK, 180, 10, 80);
        Child("BUTTON", "Cancel", IDCANCEL, 180, 40, 80);
        EnableWindow(owner, FALSE);
        ShowWindow(box_, SW_SHOW);
        MSG msg;
        while (IsWindow(box_) && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        EnableWindow(owner, TRUE);
        DestroyWindow(owner);
    }

    bool ignoreButtons = false;
    int pressed = 0;
    std::string text;

private:
    static constexpr const char* kClass = "TestkitCustomInput";

    static void RegisterOnce() {
        static bool registered = false;
        if (registered) return;
        WNDCLASSA wc{};
        wc.lpfnWndProc = Proc;
        wc.lpszClassName = kClass;
        wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
        registered = RegisterClassA(&wc) != 0;
    }

    void Child(const char* cls, const char* caption, int id, int x, int y, int width) {
        CreateWindowA(cls, caption, WS_CHILD | WS_VISIBLE | WS_BORDER, x, y, width, 24, box_,
                      reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    static LRESULT CALLBACK Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
        if (msg == WM_NCCREATE) {
            SetWindowLongPtrA(hwnd, GWLP_USERDATA,
                              reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lp)->lpCreateParams));
        }
        auto* self = reinterpret_cast<CustomInputBox*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
        int id = LOWORD(wp);
        if (msg == WM_COMMAND && self && !self->ignoreButtons && (id == IDOK || id == IDCANCEL)) {
            self->pressed = id;
            char typed[256] = {};
            if (id == IDOK) GetDlgItemTextA(hwnd, kEditId, typed, sizeof typed);
            self->text = typed;
            DestroyWindow(hwnd);
            return 0;
        }
        return DefWindowProcA(hwnd, msg, wp, lp);
    }

    HWND box_ = nullptr;
};

TEST(DialogAnswerer, TypesIntoACustomInputBox) {
    for (int button : {IDOK, IDCANCEL}) {
        DialogAnswerer kit;
        kit.Expect(testkit::TypeText("Ada", button));
        CustomInputBox box;
        box.Run();
        EXPECT_EQ(box.pressed, button);
        EXPECT_EQ(box.text, button == IDOK ? "Ada" : "");
        ASSERT_EQ(kit.Seen().size(), 1u);
        EXPECT_EQ(kit.Seen()[0].title, "Custom Input");
        EXPECT_EQ(kit.Seen()[0].buttons, (std::vector<int>{IDOK, IDCANCEL}));
    }
}

TEST(DialogAnswerer, TypesIntoTheRuntimesInputBox) {
    for (int button : {IDOK, IDCANCEL}) {
        DialogAnswerer kit;
        testkit::Answer answer = testkit::TypeText("42", button);
        // The user types at once: the text box has the focus.
        answer.inspect = [](HWND dialog) {
            char cls[16] = {};
            GetClassNameA(GetFocus(), cls, sizeof cls);
            EXPECT_TRUE(IsChild(dialog, GetFocus()));
            EXPECT_STREQ(cls, "Edit");
        };
        kit.Expect(answer);
        EXPECT_EQ(rt::InputBox("How many?", "Input", "7"), button == IDOK ? "42" : "");
        ASSERT_EQ(kit.Seen().size(), 1u);
        EXPECT_EQ(kit.Seen()[0].title, "Input");
    }
}

// A modal window of the runtime whose buttons are on a toolbar.
class ToolbarDialog : public rt::Form {
public:
    ToolbarDialog()
        : rt::Form(Design()),
          bar({{"Stay", "Stay", "", nullptr, false}, {"Go", "Go", "", nullptr, true}}) {
        Place(bar, {0, 0, 3000, 600, "", 0});
        bar.ButtonClick = [this](const rt::ToolButton& b) {
            clicked = b.tag;
            Unload();
        };
    }
    rt::Toolbar bar;
    std::string clicked;

private:
    static rt::FormDesign Design() {
        rt::FormDesign d;
        d.caption = "Toolbar Dialog";
        d.clientWidth = 3000;
        d.clientHeight = 600;
        return d;
    }
};

TEST(DialogAnswerer, ClicksAToolbarButtonAfterInspecting) {
    HWND owner = CreateWindowA("STATIC", "Owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 300, 200, nullptr, nullptr,
                               nullptr, nullptr);
    ToolbarDialog dialog;
    std::string clickedAtInspect = "none";
    {
        DialogAnswerer kit;
        kit.Expect(testkit::ClickToolButton("Go", [&](HWND) { clickedAtInspect = dialog.clicked; }));
        dialog.ShowModal();
        ASSERT_EQ(kit.Seen().size(), 1u);
        EXPECT_EQ(kit.Seen()[0].title, "Toolbar Dialog");
        EXPECT_NE(kit.Seen()[0].pressed, 0);
    }
    EXPECT_EQ(clickedAtInspect, "");
    EXPECT_EQ(dialog.clicked, "Go");

    // A disabled button is not clicked: the dialog is backed out of.
    ToolbarDialog other;
    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit;
            kit.Expect(testkit::ClickToolButton("Stay"));
            other.ShowModal();
        },
        "no enabled toolbar button \"Stay\"");
    EXPECT_EQ(other.clicked, "");
    DestroyWindow(owner);
}

TEST(DialogAnswerer, ClosesADialogThatOutlivesItsAnswer) {
    CustomInputBox box;
    box.ignoreButtons = true;
    EXPECT_NONFATAL_FAILURE(
        {
            DialogAnswerer kit(std::chrono::milliseconds(300));
            kit.Expect(testkit::Press(IDOK));
            box.Run();
        },
        "still open 300 ms after its answer");
    EXPECT_EQ(box.pressed, 0);
}

}  // namespace
