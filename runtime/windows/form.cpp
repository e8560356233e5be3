#include "rt/form.h"

#include <commctrl.h>

#include "rt/callback_guard.h"
#include "rt/events.h"
#include "rt/screen.h"
#include "window_class.h"

namespace rt {
namespace {

constexpr char kClassName[] = "FileToolsForm";

void RegisterFormClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    RegisterWindowClass(kClassName, CS_DBLCLKS, reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    done = true;
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

Form::Form(FormDesign design) : design_(std::move(design)) {}

// The derived form's controls are destroyed before this runs: only the
// window goes, the controls are not touched.
Form::~Form() {
    Destroy(false);
    for (auto& [key, font] : fonts_) DeleteObject(font);
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

Form* Form::FromHwnd(HWND hwnd) {
    if (!hwnd) return nullptr;
    char cls[32] = {};
    GetClassNameA(hwnd, cls, sizeof cls);
    if (lstrcmpA(cls, kClassName) != 0) return nullptr;
    return reinterpret_cast<Form*>(GetWindowLongPtrA(hwnd, GWLP_USERDATA));
}

}  // namespace rt
