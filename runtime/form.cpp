#include "rt/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "rt/callback_guard.h"
#include "rt/events.h"
#include "rt/mouse.h"
#include "rt/screen.h"
#include "window_class.h"

namespace rt {
namespace {

constexpr char kClassName[] = "FileToolsForm";
constexpr int kFirstControlId = 100;

void RegisterFormClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterWindowClass(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    done = true;
}

// Raised by the window's activation, delivered after Show has returned, so a
// modal form's other windows are already disabled when Form_Activate runs.
UINT ActivateMessage() {
    static const UINT msg = RegisterWindowMessageA("FileToolsForm.Activate");
    return msg;
}

// A font of the given face and size at the screen's resolution; a face the
// machine lacks gets the platform's substitute at that size.
HFONT MakeFont(const std::string& name, int hundredthPoints, bool bold) {
    HDC dc = GetDC(nullptr);
    int ppi = dc ? GetDeviceCaps(dc, LOGPIXELSY) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    LOGFONTA lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(hundredthPoints / 100.0 * ppi / 72.0));
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpynA(lf.lfFaceName, name.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&lf);
}

bool HasTitleBar(const FormDesign& d) { return d.border != Border::None && d.titleBar; }

DWORD StyleFor(const FormDesign& d) {
    // A top-level window without WS_POPUP always gets a title bar.
    DWORD style = WS_CLIPCHILDREN | (HasTitleBar(d) ? WS_CAPTION | WS_SYSMENU : WS_POPUP);
    switch (d.border) {
    case Border::None: break;
    case Border::Sizable: style |= WS_THICKFRAME; break;
    case Border::FixedSingle:
    case Border::FixedToolWindow: style |= WS_BORDER; break;
    case Border::FixedDialog: style |= DS_MODALFRAME; break;
    }
    if (HasTitleBar(d) && d.border != Border::FixedToolWindow) {
        if (d.minButton) style |= WS_MINIMIZEBOX;
        if (d.maxButton) style |= WS_MAXIMIZEBOX;
    }
    return style;
}

DWORD ExStyleFor(const FormDesign& d) {
    switch (d.border) {
    case Border::FixedDialog: return WS_EX_DLGMODALFRAME;
    case Border::FixedToolWindow: return WS_EX_TOOLWINDOW;
    default: return 0;
    }
}

int ShowCommandFor(WindowState state) {
    switch (state) {
    case WindowState::Minimized: return SW_SHOWMINIMIZED;
    case WindowState::Maximized: return SW_SHOWMAXIMIZED;
    default: return SW_SHOWNORMAL;
    }
}

}  // namespace

FormDesign DialogDesign(std::string caption, int clientWidth, int clientHeight, Border border) {
    FormDesign d;
    d.caption = std::move(caption);
    d.clientWidth = clientWidth;
    d.clientHeight = clientHeight;
    d.border = border;
    d.keyPreview = true;
    d.minButton = false;
    d.maxButton = false;
    d.placement = Placement::CenterOwner;
    return d;
}

int ShiftState() {
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= 1;
    if (GetKeyState(VK_CONTROL) < 0) s |= 2;
    if (GetKeyState(VK_MENU) < 0) s |= 4;
    return s;
}

Form::Form(FormDesign design) : design_(std::move(design)) {}

// The derived form's controls are destroyed before this runs: only the
// window goes, the controls are not touched.
Form::~Form() {
    Destroy(false);
    for (auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT Form::FontFor(const std::string& name, float points, bool bold) const {
    auto key = std::make_tuple(name, static_cast<int>(std::lround(points * 100)), bold);
    auto found = fonts_.find(key);
    if (found != fonts_.end()) return found->second;
    HFONT font = MakeFont(name, std::get<1>(key), bold);
    if (font) fonts_.emplace(key, font);
    return font;
}

void Form::Place(Control& c, const ControlDesign& d) {
    c.design_ = d;
    c.form_ = this;
    placed_.emplace_back(&c, d);
}

RECT Form::ControlRect(const ControlDesign& d) const {
    POINT origin = Control::OriginInParent(d);
    RECT r{TwipsToPixelsX(origin.x), TwipsToPixelsY(origin.y), 0, 0};
    r.right = r.left + TwipsToPixelsX(d.width);
    r.bottom = r.top + TwipsToPixelsY(d.height);
    return r;
}

bool Form::Load() { return LoadOwnedBy(nullptr); }

bool Form::LoadOwnedBy(HWND owner) {
    if (hwnd_) return true;
    RegisterFormClass();
    DWORD style = StyleFor(design_), ex = ExStyleFor(design_);
    RECT r{0, 0, TwipsToPixelsX(design_.clientWidth), TwipsToPixelsY(design_.clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    int x = CW_USEDEFAULT, y = CW_USEDEFAULT;
    if (design_.placement == Placement::Design) {
        x = TwipsToPixelsX(design_.left);
        y = TwipsToPixelsY(design_.top);
    } else if (style & WS_POPUP) {
        x = y = 0;  // a popup window cannot ask for the platform's place
    }
    hwnd_ = CreateWindowExA(ex, kClassName, design_.caption.c_str(), style, x, y, r.right - r.left,
                            r.bottom - r.top, owner, nullptr, GetModuleHandleA(nullptr), nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::StaticProc));
    if (design_.icon) {
        SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Icon(32)));
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(Icon(16)));
    }
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    CreateControls();
    Form_Load();
    return hwnd_ != nullptr;
}

namespace {

// The controls a picture box holds are children of its window, so the box is
// made right before them; the rest keep their order.
using Placed = std::vector<std::pair<Control*, ControlDesign>>;

Placed HostsFirst(const Placed& order) {
    std::unordered_map<const Control*, std::vector<size_t>> hosted;
    std::vector<size_t> onForm;
    for (size_t i = 0; i < order.size(); ++i) {
        if (const Control* host = Control::Host(order[i].second)) {
            hosted[host].push_back(i);
        } else {
            onForm.push_back(i);
        }
    }
    Placed result;
    result.reserve(order.size());
    std::function<void(size_t)> take = [&](size_t i) {
        result.push_back(order[i]);
        auto it = hosted.find(order[i].first);
        if (it == hosted.end()) return;
        for (size_t child : it->second) take(child);
    };
    for (size_t i : onForm) take(i);
    return result;
}

}  // namespace

void Form::CreateControls() {
    // Tab stops first, in tab order, so the platform's tab order (the
    // z-order) follows the design; then the rest as declared.
    std::vector<std::pair<Control*, ControlDesign>> order = placed_;
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        int ta = a.second.tabIndex < 0 ? 1 << 30 : a.second.tabIndex;
        int tb = b.second.tabIndex < 0 ? 1 << 30 : b.second.tabIndex;
        return ta < tb;
    });
    order = HostsFirst(order);
    int id = kFirstControlId;
    for (auto& [c, d] : order) {
        c->design_ = d;
        const Control* host = Control::Host(d);
        c->hwnd_ = c->Create(host ? host->hwnd() : hwnd_, ControlRect(d), id++);
        if (!c->hwnd_) continue;
        byHwnd_[c->hwnd_] = c;
        HFONT font = d.fontName.empty() ? Font(d.bold) : FontFor(d.fontName, d.fontSize, d.bold);
        SendMessageA(c->hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
        if (!d.toolTip.empty()) SetControlToolTip(c->hwnd_, d.toolTip);
        c->OnCreated();
    }
}

void Form::SetControlToolTip(HWND control, const std::string& text) {
    if (!tooltip_ || !control) return;
    TOOLINFOA ti{};
    ti.cbSize = TTTOOLINFOA_V1_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = hwnd_;
    ti.uId = reinterpret_cast<UINT_PTR>(control);
    ti.lpszText = const_cast<char*>(text.c_str());
    // Deleting a tool the control does not have yet is harmless.
    SendMessageA(tooltip_, TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

void Form::Show() { ShowOver(GetActiveWindow()); }

void Form::ShowOver(HWND owner) {
    if (!Load()) return;
    if (design_.placement == Placement::CenterOwner) {
        RECT r;
        GetWindowRect(hwnd_, &r);
        RECT o{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        if (owner && owner != hwnd_) GetWindowRect(owner, &o);
        int w = r.right - r.left, h = r.bottom - r.top;
        SetWindowPos(hwnd_, nullptr, o.left + ((o.right - o.left) - w) / 2, o.top + ((o.bottom - o.top) - h) / 2,
                     0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    const bool firstShow = !shown_;
    shown_ = true;
    ShowWindow(hwnd_, stateOnShow_ ? ShowCommandFor(design_.windowState) : SW_SHOW);
    stateOnShow_ = false;
    // As in the platform's dialogs, the first control in tab order takes the focus.
    if (firstShow) {
        if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) ::SetFocus(first);
    }
    Form_Resize();
}

void Form::ShowModal(const Form* owner) {
    // Owned by, and centred on, the owner given, else the window that was
    // active: it then stays above that window and has no taskbar button.
    HWND over = owner && owner->hwnd_ ? owner->hwnd_ : GetActiveWindow();
    if (hwnd_ && over != hwnd_ && GetWindow(hwnd_, GW_OWNER) != over) {
        SetWindowLongPtrA(hwnd_, GWLP_HWNDPARENT, reinterpret_cast<LONG_PTR>(over));
    }
    if (!LoadOwnedBy(over)) return;
    disabledByModal_.clear();
    EnumThreadWindows(GetCurrentThreadId(), &Form::CollectEnabled, reinterpret_cast<LPARAM>(this));
    ShowOver(over);
    for (HWND w : disabledByModal_) EnableWindow(w, FALSE);
    RunMessageLoopUntil([this] { return hwnd_ == nullptr; });
}

BOOL CALLBACK Form::CollectEnabled(HWND w, LPARAM self) {
    auto* form = reinterpret_cast<Form*>(self);
    if (w != form->hwnd_ && IsWindowVisible(w) && IsWindowEnabled(w) && w != form->tooltip_) {
        Guarded([&] { form->disabledByModal_.push_back(w); });
    }
    return TRUE;
}

void Form::Hide() {
    if (hwnd_) ShowWindow(hwnd_, SW_HIDE);
}

bool Form::Visible() const { return hwnd_ && IsWindowVisible(hwnd_); }

void Form::Unload() {
    if (!hwnd_) return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel) return;
    Destroy();
}

void Form::Destroy(bool resetControls) {
    // Give the input back before the window goes, so activation returns to
    // the window that opened this one.
    for (HWND w : disabledByModal_) {
        if (IsWindow(w)) EnableWindow(w, TRUE);
    }
    disabledByModal_.clear();
    if (hwnd_) {
        HWND h = hwnd_;
        hwnd_ = nullptr;
        SetWindowLongPtrA(h, GWLP_USERDATA, 0);
        DestroyWindow(h);
    }
    if (resetControls) {
        for (auto& [c, d] : placed_) {
            c->hwnd_ = nullptr;
            c->design_ = d;
        }
    }
    ReleaseBackBrush();
    byHwnd_.clear();
    commands_.clear();
    nextCommand_ = 1000;
    tooltip_ = nullptr;
    shown_ = false;
    stateOnShow_ = true;
    focusBeforeDeactivation_ = nullptr;
}

void Form::Refresh() {
    if (hwnd_) RedrawWindow(hwnd_, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
}

namespace {
RECT OuterRect(HWND h) {
    RECT r{};
    if (h) GetWindowRect(h, &r);
    return r;
}
}  // namespace

int Form::Left() const { return PixelsToTwipsX(OuterRect(hwnd_).left); }
int Form::Top() const { return PixelsToTwipsY(OuterRect(hwnd_).top); }
int Form::Width() const {
    RECT r = OuterRect(hwnd_);
    return PixelsToTwipsX(r.right - r.left);
}
int Form::Height() const {
    RECT r = OuterRect(hwnd_);
    return PixelsToTwipsY(r.bottom - r.top);
}

void Form::Move(int left, int top, int width, int height) {
    if (!hwnd_) return;
    SetWindowPos(hwnd_, nullptr, TwipsToPixelsX(left), TwipsToPixelsY(top), TwipsToPixelsX(width),
                 TwipsToPixelsY(height), SWP_NOZORDER | SWP_NOACTIVATE);
}

bool Form::SetWidth(int twips) {
    if (twips < 0) return false;
    Move(Left(), Top(), twips, Height());
    return true;
}

bool Form::SetHeight(int twips) {
    if (twips < 0) return false;
    Move(Left(), Top(), Width(), twips);
    return true;
}

int Form::ScaleWidth() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return hwnd_ ? PixelsToTwipsX(r.right) : design_.clientWidth;
}

int Form::ScaleHeight() const {
    RECT r{};
    if (hwnd_) GetClientRect(hwnd_, &r);
    return hwnd_ ? PixelsToTwipsY(r.bottom) : design_.clientHeight;
}

WindowState Form::WindowState() const {
    if (!hwnd_ || stateOnShow_) return design_.windowState;
    if (IsIconic(hwnd_)) return WindowState::Minimized;
    if (IsZoomed(hwnd_)) return WindowState::Maximized;
    return WindowState::Normal;
}

void Form::SetWindowState(rt::WindowState state) {
    // A form not shown, or hidden, takes the state when it is shown.
    if (!hwnd_ || !IsWindowVisible(hwnd_)) {
        design_.windowState = state;
        stateOnShow_ = true;
        return;
    }
    if (state == WindowState()) return;
    ShowWindow(hwnd_, state == WindowState::Minimized   ? SW_MINIMIZE
                      : state == WindowState::Maximized ? SW_MAXIMIZE
                                                        : SW_RESTORE);
}

COLORREF Form::BackColor() const {
    return design_.backColor == kSystemFaceColor ? GetSysColor(COLOR_BTNFACE) : design_.backColor;
}

void Form::SetBackColor(COLORREF color) {
    if (color == design_.backColor) return;
    design_.backColor = color;
    ReleaseBackBrush();
    if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::ReleaseBackBrush() {
    if (backBrush_) DeleteObject(backBrush_);
    backBrush_ = nullptr;
}

HICON Form::Icon(int size) const { return IconFor(design_.icon, size); }

std::string Form::Caption() const { return hwnd_ ? WindowText(hwnd_) : design_.caption; }

void Form::SetCaption(const std::string& caption) {
    design_.caption = caption;
    if (hwnd_) SetWindowTextA(hwnd_, caption.c_str());
}

int Form::AllocateCommand(std::function<void()> onCommand, std::string toolTip) {
    int id = nextCommand_++;
    commands_[id] = Command{std::move(onCommand), std::move(toolTip)};
    return id;
}

Form* Form::FromHwnd(HWND hwnd) {
    if (!hwnd) return nullptr;
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, kClassName) != 0) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

bool Form::PreTranslate(MSG& msg) {
    if (!msg.hwnd) return false;
    HWND root = GetAncestor(msg.hwnd, GA_ROOT);
    Form* f = FromHwnd(root);
    if (!f) return false;
    if (f->design_.keyPreview) {
        if (msg.message == WM_KEYDOWN || msg.message == WM_SYSKEYDOWN) {
            int key = static_cast<int>(msg.wParam);
            f->Form_KeyDown(key, ShiftState());
            if (key == 0 || !IsWindow(msg.hwnd)) return true;
            msg.wParam = static_cast<WPARAM>(key);
        } else if (msg.message == WM_CHAR) {
            int ascii = static_cast<int>(msg.wParam);
            f->Form_KeyPress(ascii);
            if (ascii == 0 || !IsWindow(msg.hwnd)) return true;
            msg.wParam = static_cast<WPARAM>(ascii);
        }
    }
    // Tab and Shift-Tab move between the controls in tab order.
    if (msg.message == WM_KEYDOWN && msg.wParam == VK_TAB && IsWindow(root)) {
        return IsDialogMessageA(root, &msg) != FALSE;
    }
    return false;
}

LRESULT CALLBACK Form::StaticProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
    auto* self = reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
    if (!self || self->hwnd_ != hwnd) return DefWindowProcA(hwnd, msg, wp, lp);
    return GuardedMessage(hwnd, msg, [&] { return self->Proc(msg, wp, lp); });
}

LRESULT Form::OnNotify(NMHDR* hdr) {
    if (hdr->code == TTN_GETDISPINFOA) {
        auto* info = reinterpret_cast<NMTTDISPINFOA*>(hdr);
        auto it = commands_.find(static_cast<int>(hdr->idFrom));
        if (it != commands_.end()) info->lpszText = const_cast<char*>(it->second.toolTip.c_str());
        return 0;
    }
    auto it = byHwnd_.find(hdr->hwndFrom);
    if (it == byHwnd_.end()) return 0;
    return it->second->OnNotify(hdr);
}

bool Form::OnMouse(UINT msg, WPARAM wp, LPARAM lp) {
    MouseEvent e;
    if (!MouseEventFrom(msg, wp, lp, e)) return false;
    switch (e.action) {
    case MouseAction::Down: Form_MouseDown(e.button, e.shift, e.x, e.y); break;
    case MouseAction::Up: Form_MouseUp(e.button, e.shift, e.x, e.y); break;
    case MouseAction::Move: Form_MouseMove(e.button, e.shift, e.x, e.y); break;
    }
    return true;
}

LRESULT Form::Proc(UINT msg, WPARAM wp, LPARAM lp) {
    LRESULT result = 0;
    if (Form_Message(msg, wp, lp, result)) return result;
    if (msg == ActivateMessage()) {
        Form_Activate();
        return 0;
    }
    if (OnMouse(msg, wp, lp)) return 0;
    switch (msg) {
    case WM_COMMAND: {
        // A toolbar reports a button by its command id (menus too), other
        // controls by their control id; the two ranges do not meet.
        auto cmd = commands_.find(LOWORD(wp));
        if (cmd != commands_.end()) {
            auto onCommand = cmd->second.onCommand;  // the handler may unload the form
            if (onCommand) onCommand();
            return 0;
        }
        HWND from = reinterpret_cast<HWND>(lp);
        auto it = from ? byHwnd_.find(from) : byHwnd_.end();
        if (it != byHwnd_.end()) it->second->OnCommand(HIWORD(wp));
        return 0;
    }
    case WM_NOTIFY:
        return OnNotify(reinterpret_cast<NMHDR*>(lp));
    case WM_HSCROLL:
    case WM_VSCROLL: {
        auto it = byHwnd_.find(reinterpret_cast<HWND>(lp));
        if (it != byHwnd_.end()) it->second->OnScroll(LOWORD(wp));
        return 0;
    }
    case WM_ACTIVATE:
        // The focus comes back to the control that had it (after a message
        // box, another window), as in the platform's dialogs.
        if (LOWORD(wp) == WA_INACTIVE) {
            HWND focus = GetFocus();
            if (focus && IsChild(hwnd_, focus)) focusBeforeDeactivation_ = focus;
            break;
        }
        PostMessageA(hwnd_, ActivateMessage(), 0, 0);
        if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_)) {
            ::SetFocus(focusBeforeDeactivation_);
            return 0;
        }
        break;
    case WM_DRAWITEM: {
        auto* item = reinterpret_cast<DRAWITEMSTRUCT*>(lp);
        auto it = byHwnd_.find(item->hwndItem);
        if (it != byHwnd_.end() && it->second->OnDrawItem(*item)) return TRUE;
        break;
    }
    case WM_SIZE:
        if (shown_) Form_Resize();
        return 0;
    case WM_LBUTTONDBLCLK:
        Form_DblClick();
        return 0;
    case WM_SETCURSOR:
        if (IsHourglass()) {
            SetCursor(LoadCursor(nullptr, IDC_WAIT));
            return TRUE;
        }
        break;
    case WM_CLOSE:
        Unload();
        return 0;
    case WM_NCDESTROY: {
        // Destroyed with its owner, not by an unload: the form lets the window go.
        HWND h = hwnd_;
        hwnd_ = nullptr;
        Destroy();
        return DefWindowProcA(h, msg, wp, lp);
    }
    case WM_ERASEBKGND: {
        if (design_.backColor == kSystemFaceColor) break;
        if (!backBrush_) backBrush_ = CreateSolidBrush(design_.backColor);
        RECT r;
        GetClientRect(hwnd_, &r);
        FillRect(reinterpret_cast<HDC>(wp), &r, backBrush_);
        return 1;
    }
    case WM_GETMINMAXINFO:
        // Without a frame, maximized means the whole screen.
        if (design_.border == Border::None) {
            auto* info = reinterpret_cast<MINMAXINFO*>(lp);
            info->ptMaxPosition = {0, 0};
            info->ptMaxSize = {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
            return 0;
        }
        break;
    case WM_CTLCOLORSTATIC: {
        // Labels and check boxes take the platform's face colour, not the form's back colour.
        HDC dc = reinterpret_cast<HDC>(wp);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace rt
