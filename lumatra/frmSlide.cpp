#include "lumatra/frmSlide.h"

#include "lumatra/modCommand.h"
#include "rt/events.h"
#include "rt/screen.h"

namespace lumatra {

namespace {
constexpr std::int16_t kTrue = -1;
constexpr std::int16_t kFalse = 0;
// Posted at the first activation: the show starts once activation is done.
constexpr UINT kStartShow = WM_APP + 1;
// Posted by the handlers of ticks, keys and clicks: the show goes on.
constexpr UINT kGoOn = WM_APP + 2;

// Sets a flag for as long as it lives, also when a step fails.
class FlagScope {
public:
    explicit FlagScope(bool& flag) : flag_(flag) { flag_ = true; }
    ~FlagScope() { flag_ = false; }
    FlagScope(const FlagScope&) = delete;
    FlagScope& operator=(const FlagScope&) = delete;

private:
    bool& flag_;
};

rt::FormDesign SlideDesign() {
    rt::FormDesign d;
    d.border = rt::Border::None;
    d.titleBar = false;
    d.windowState = rt::WindowState::Maximized;
    d.backColor = RGB(0, 0, 0);
    d.keyPreview = true;
    return d;
}
}  // namespace

frmSlide::frmSlide(const rt::ListView& rows)
    : rt::Form(SlideDesign()),
      lblFileName({.autoSize = true, .transparent = true, .foreColor = RGB(255, 255, 255)}),
      Timer1({.interval = 0, .enabled = false}),
      rows_(rows) {
    // left, top, width, height
    Place(imgShow, {120, 300, 735, 795});
    Place(lblFileName, rt::ControlDesign(120, 120, 0, 0).Hidden());
    Place(Timer1, {});
    imgShow.MouseDown = [this](int b, int s, float x, float y) { imgShow_MouseDown(b, s, x, y); };
    Timer1.Tick = [this] { Timer1_Timer(); };
}

void frmSlide::Form_Load() {
    bolNextSlide = kFalse;
    bolEndShow = kFalse;
    // Each loading shows once, from its first activation.
    started_ = false;
    order_.reset();
    Timer1.SetInterval(modCommand::intCycleDelay * 1000);
    if (modCommand::intIncludeName == 1) lblFileName.SetVisible(true);
}

void frmSlide::Form_Activate() {
    if (started_) return;
    started_ = true;
    PostMessageA(hwnd(), kStartShow, 0, 0);
}

bool frmSlide::Form_Message(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
    (void)wp;
    (void)lp;
    if (msg == kStartShow) {
        StartShow();
    } else if (msg == kGoOn) {
        Proceed();
    } else {
        return false;
    }
    result = 0;
    return true;
}

// The handlers only set the flags, and the show goes on from the window's
// own message: never within the platform's delivery of a tick, which passes
// over whatever fails in it and would leave the show stopped half-way.
void frmSlide::GoOn() { PostMessageA(hwnd(), kGoOn, 0, 0); }

// The first clear step repaints the window and lets pending events run.
void frmSlide::StartShow() {
    Refresh();
    screenWidth_ = rt::ScreenWidth();
    screenHeight_ = rt::ScreenHeight();
    order_.emplace(modCommand::intRandom == 1, modCommand::intLoop == 1, GetTickCount());
    bolNextSlide = kTrue;  // no picture to wait for yet
    Proceed();
}

// Each turn is the clear step of the picture before, then the show step of
// the next row; a picture that loads waits for its tick in the message loop.
void frmSlide::Proceed() {
    // Handlers that run during this loop's yields only set the flags.
    if (proceeding_ || !order_) return;
    const FlagScope proceeding(proceeding_);
    while (bolNextSlide && IsLoaded()) {
        ClearStep();
        const int row = bolEndShow || !IsLoaded() ? 0 : order_->Next(rows_.Count());
        if (row == 0) {
            Unload();
            break;
        }
        // A picture that does not load is passed over at once.
        if (!ShowStep(row)) bolNextSlide = kTrue;
    }
}

bool frmSlide::ShowStep(int row) {
    const std::string path = rows_.Text(row - 1);
    if (!imgShow.LoadPicture(path)) return false;
    imgShow.SetLeft(static_cast<float>(CentredPosition(screenWidth_, imgShow.Width())));
    imgShow.SetTop(static_cast<float>(CentredPosition(screenHeight_, imgShow.Height())));
    lblFileName.SetCaption(SlideCaption(path));
    // A running timer keeps its beat: it is not restarted for a new picture.
    if (!Timer1.Enabled()) Timer1.SetEnabled(true);
    return true;
}

void frmSlide::ClearStep() {
    bolNextSlide = kFalse;
    rt::DoEvents();
}

void frmSlide::Timer1_Timer() {
    bolNextSlide = kTrue;
    GoOn();
}

void frmSlide::Form_KeyPress(int& keyAscii) {
    if (keyAscii == 'p') {
        Timer1.SetEnabled(!Timer1.Enabled());
        return;
    }
    Timer1.SetEnabled(false);
    bolNextSlide = kTrue;
    if (keyAscii == VK_ESCAPE) bolEndShow = kTrue;
    GoOn();
}

void frmSlide::MouseButton(int button) {
    Timer1.SetEnabled(false);
    bolNextSlide = kTrue;
    if (button == 1) bolEndShow = kTrue;
    GoOn();
}

void frmSlide::Form_MouseDown(int button, int shift, float x, float y) {
    (void)shift;
    (void)x;
    (void)y;
    MouseButton(button);
}

void frmSlide::imgShow_MouseDown(int button, int shift, float x, float y) {
    (void)shift;
    (void)x;
    (void)y;
    MouseButton(button);
}

// However the window goes (the show's end, or the platform closing it), no
// more ticks, and a running show loop stops at its next step.
void frmSlide::Form_Unload(int& cancel) {
    (void)cancel;
    Timer1.SetEnabled(false);
    bolEndShow = kTrue;
}

}  // namespace lumatra
