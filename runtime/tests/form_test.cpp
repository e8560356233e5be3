#include "rt/form.h"

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <vector>

#include "pump.h"
#include "rt/screen.h"

namespace {

struct MouseCall {
    char kind;  // 'D'own, 'U'p, 'M'ove
    int button;
    int shift;
    float x;
    float y;
    bool operator==(const MouseCall&) const = default;
};

class EventForm : public rt::Form {
public:
    explicit EventForm(rt::FormDesign d = Design()) : rt::Form(std::move(d)) {}
    static rt::FormDesign Design() {
        rt::FormDesign d;
        d.caption = "Events";
        d.clientWidth = 3000;
        d.clientHeight = 2000;
        return d;
    }
    std::vector<MouseCall> mouse;
    int activations = 0;
    static constexpr UINT kOwnMessage = WM_APP + 7;

protected:
    void Form_Activate() override { ++activations; }
    void Form_MouseDown(int b, int s, float x, float y) override { mouse.push_back({'D', b, s, x, y}); }
    void Form_MouseUp(int b, int s, float x, float y) override { mouse.push_back({'U', b, s, x, y}); }
    void Form_MouseMove(int b, int s, float x, float y) override { mouse.push_back({'M', b, s, x, y}); }
    bool Form_Message(UINT msg, WPARAM wp, LPARAM, LRESULT& result) override {
        if (msg != kOwnMessage) return false;
        result = static_cast<LRESULT>(wp) * 2;
        return true;
    }
};

float Tx(int px) { return static_cast<float>(px * rt::TwipsPerPixelX()); }
float Ty(int px) { return static_cast<float>(px * rt::TwipsPerPixelY()); }

TEST(FormEvents, MouseButtonsShiftAndTwips) {
    EventForm f;
    ASSERT_TRUE(f.Load());
    HWND h = f.hwnd();
    SendMessageA(h, WM_LBUTTONDOWN, MK_LBUTTON | MK_SHIFT, MAKELPARAM(10, 20));
    SendMessageA(h, WM_LBUTTONUP, MK_SHIFT, MAKELPARAM(10, 20));
    SendMessageA(h, WM_RBUTTONDOWN, MK_RBUTTON | MK_CONTROL, MAKELPARAM(3, 4));
    SendMessageA(h, WM_RBUTTONUP, 0, MAKELPARAM(3, 4));
    SendMessageA(h, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(0, 0));
    SendMessageA(h, WM_MBUTTONUP, 0, MAKELPARAM(0, 0));
    SendMessageA(h, WM_MOUSEMOVE, MK_LBUTTON | MK_RBUTTON, MAKELPARAM(7, 8));
    SendMessageA(h, WM_RBUTTONDBLCLK, MK_RBUTTON, MAKELPARAM(1, 1));  // a second press
    std::vector<MouseCall> expected = {
        {'D', 1, 1, Tx(10), Ty(20)}, {'U', 1, 1, Tx(10), Ty(20)}, {'D', 2, 2, Tx(3), Ty(4)},
        {'U', 2, 0, Tx(3), Ty(4)},   {'D', 4, 0, 0, 0},           {'U', 4, 0, 0, 0},
        {'M', 3, 0, Tx(7), Ty(8)},   {'D', 2, 0, Tx(1), Ty(1)},
    };
    EXPECT_EQ(f.mouse, expected);
}

// The shell calls a notification icon's owner back with the icon's mouse
// message in place of the position: at 15 twips per pixel a right press
// (0x204) arrives as x = 0x204 * 15, whose low 8 bits are 60.
TEST(FormEvents, ATrayCallbackArrivesAsAMouseMoveWithTheMessageAsX) {
    EventForm f;
    ASSERT_TRUE(f.Load());
    SendMessageA(f.hwnd(), WM_MOUSEMOVE, 1, WM_RBUTTONDOWN);
    ASSERT_EQ(f.mouse.size(), 1u);
    EXPECT_EQ(f.mouse[0].kind, 'M');
    EXPECT_FLOAT_EQ(f.mouse[0].x, Tx(WM_RBUTTONDOWN));
    if (rt::TwipsPerPixelX() == 15) {
        EXPECT_EQ(std::lround(f.mouse[0].x) & 0xFF, 60);
    }
}

TEST(FormEvents, TheHookAnswersItsOwnMessagesAndLeavesTheRest) {
    EventForm f;
    ASSERT_TRUE(f.Load());
    EXPECT_EQ(SendMessageA(f.hwnd(), EventForm::kOwnMessage, 21, 0), 42);
    SendMessageA(f.hwnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);  // still reaches the mouse event
    EXPECT_EQ(f.mouse.size(), 1u);
}

TEST(FormEvents, ActivateFollowsShowAndEachReactivation) {
    EventForm f;
    f.Load();
    rt::DoEvents();
    EXPECT_EQ(f.activations, 0);  // loaded, not shown
    f.Show();
    EXPECT_EQ(f.activations, 0);  // raised once Show has returned
    ASSERT_TRUE(rt_test::PumpUntil([&] { return f.activations == 1; }));

    EventForm other;
    other.Show();
    ASSERT_TRUE(rt_test::PumpUntil([&] { return other.activations == 1; }));
    SetActiveWindow(f.hwnd());
    EXPECT_TRUE(rt_test::PumpUntil([&] { return f.activations == 2; }));
}

DWORD Style(const rt::Form& f) { return static_cast<DWORD>(GetWindowLongPtrA(f.hwnd(), GWL_STYLE)); }
DWORD ExStyle(const rt::Form& f) { return static_cast<DWORD>(GetWindowLongPtrA(f.hwnd(), GWL_EXSTYLE)); }

TEST(FormDesign, BordersTitleBarAndBoxes) {
    struct Case {
        rt::Border border;
        bool titleBar;
        bool caption, sizable, toolWindow, boxes;
    } cases[] = {
        {rt::Border::None, true, false, false, false, false},
        {rt::Border::FixedSingle, true, true, false, false, true},
        {rt::Border::FixedSingle, false, false, false, false, false},
        {rt::Border::Sizable, true, true, true, false, true},
        {rt::Border::FixedDialog, true, true, false, false, true},
        {rt::Border::FixedToolWindow, true, true, false, true, false},
    };
    for (const Case& c : cases) {
        rt::FormDesign d = EventForm::Design();
        d.border = c.border;
        d.titleBar = c.titleBar;
        EventForm f(d);
        ASSERT_TRUE(f.Load());
        const int id = static_cast<int>(c.border);
        EXPECT_EQ((Style(f) & WS_CAPTION) == WS_CAPTION, c.caption) << id;
        EXPECT_EQ((Style(f) & WS_THICKFRAME) != 0, c.sizable) << id;
        EXPECT_EQ((ExStyle(f) & WS_EX_TOOLWINDOW) != 0, c.toolWindow) << id;
        EXPECT_EQ((Style(f) & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX)) != 0, c.boxes) << id;
        // Whatever the frame, the client area is as designed.
        EXPECT_NEAR(f.ScaleWidth(), 3000, rt::TwipsPerPixelX()) << id;
        EXPECT_NEAR(f.ScaleHeight(), 2000, rt::TwipsPerPixelY()) << id;
    }
}

TEST(FormDesign, MaximizedWithoutBorderCoversTheScreen) {
    rt::FormDesign d = EventForm::Design();
    d.border = rt::Border::None;
    d.windowState = rt::WindowState::Maximized;
    d.backColor = RGB(0, 0, 0);
    EventForm f(d);
    f.Show();
    RECT r;
    GetWindowRect(f.hwnd(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);
    EXPECT_EQ(r.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(r.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(f.WindowState(), rt::WindowState::Maximized);
    EXPECT_EQ(f.BackColor(), RGB(0, 0, 0));
    // The back colour is what the window paints.
    HDC dc = GetDC(f.hwnd());
    RedrawWindow(f.hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    EXPECT_EQ(GetPixel(dc, 5, 5), RGB(0, 0, 0));
    ReleaseDC(f.hwnd(), dc);
}

TEST(FormDesign, PlacementAtTheDesignPositionOrCentredOnTheOwner) {
    rt::FormDesign d = EventForm::Design();
    d.border = rt::Border::FixedToolWindow;
    d.placement = rt::Placement::Design;
    EventForm corner(d);
    corner.Show();
    RECT r;
    GetWindowRect(corner.hwnd(), &r);
    EXPECT_EQ(r.left, 0);
    EXPECT_EQ(r.top, 0);

    rt::FormDesign small = EventForm::Design();
    small.clientWidth = 1500;
    small.clientHeight = 900;
    small.placement = rt::Placement::CenterOwner;
    EventForm centred(small);
    EventForm owner;
    owner.Show();
    owner.Move(1500, 1500, 6000, 4500);
    SetActiveWindow(owner.hwnd());  // Show centres on the window that was active
    centred.Show();
    RECT o, c;
    GetWindowRect(owner.hwnd(), &o);
    GetWindowRect(centred.hwnd(), &c);
    EXPECT_NEAR((c.left + c.right) / 2, (o.left + o.right) / 2, 1);
    EXPECT_NEAR((c.top + c.bottom) / 2, (o.top + o.bottom) / 2, 1);
}

// A form shown modally runs what the test gives it once it is up.
class ModalForm : public EventForm {
public:
    std::function<void()> whileShown;
    HWND ownerSeen = nullptr;

protected:
    void Form_Activate() override {
        ownerSeen = GetWindow(hwnd(), GW_OWNER);
        auto run = std::move(whileShown);
        whileShown = nullptr;
        if (run) run();
    }
};

// Owned by the window it is shown over (the owner given, else the window
// that was active), it stays above that window and has no taskbar button
// of its own; it goes when its owner goes.
TEST(FormModal, OwnedByTheWindowItIsShownOver) {
    EventForm owner;
    owner.Show();
    ModalForm dialog;
    const struct {
        const char* way;
        bool loadedBefore;
        bool ownerGiven;
    } ways[] = {{"owner given", false, true}, {"active window", false, false}, {"loaded before", true, true}};
    for (const auto& w : ways) {
        if (w.loadedBefore) {
            ASSERT_TRUE(dialog.Load());
        }
        SetActiveWindow(owner.hwnd());
        dialog.whileShown = [&] { dialog.Unload(); };
        dialog.ShowModal(w.ownerGiven ? &owner : nullptr);
        EXPECT_EQ(dialog.ownerSeen, owner.hwnd()) << w.way;
        EXPECT_FALSE(dialog.IsLoaded()) << w.way;
    }
    bool stayed = true;
    dialog.whileShown = [&] {
        owner.Unload();
        stayed = dialog.IsLoaded();
        dialog.Unload();
    };
    dialog.ShowModal(&owner);
    EXPECT_FALSE(stayed);
}

TEST(FormState, HideKeepsTheFormLoadedAndTheStateReadsBack) {
    EventForm f;
    f.Show();
    f.Hide();
    EXPECT_TRUE(f.IsLoaded());
    EXPECT_FALSE(f.Visible());
    f.Show();
    EXPECT_TRUE(f.Visible());

    f.SetWindowState(rt::WindowState::Minimized);
    EXPECT_EQ(f.WindowState(), rt::WindowState::Minimized);
    f.SetWindowState(rt::WindowState::Normal);
    EXPECT_EQ(f.WindowState(), rt::WindowState::Normal);
    EXPECT_TRUE(f.Visible());

    // A hidden form keeps hidden and takes the state at its next showing.
    f.Hide();
    f.SetWindowState(rt::WindowState::Minimized);
    EXPECT_FALSE(f.Visible());
    EXPECT_EQ(f.WindowState(), rt::WindowState::Minimized);
    f.Show();
    EXPECT_TRUE(IsIconic(f.hwnd()));
    f.SetWindowState(rt::WindowState::Normal);
    EXPECT_FALSE(IsIconic(f.hwnd()));
}

}  // namespace
