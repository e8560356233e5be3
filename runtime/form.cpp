#include "rt/form.h"

#include <commctrl.h>

#include <algorithm>
#include <cmath>
#include <functional>

#include "rt/events.h"
#include "rt/program_icon.h"
#include "rt/screen.h"

namespace rt {
namespace {

constexpr char kClassName[] = "FileToolsForm";
constexpr int kFirstControlId = 100;

void RegisterFormClass() {
    static bool done = false;
    if (done) return;
    INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES};
    InitCommonControlsEx(&icc);
    WNDCLASSEXA wc{};
    wc.cbSize = sizeof wc;
    wc.style = CS_DBLCLKS;
    wc.lpfnWndProc = DefWindowProcA;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kClassName;
    RegisterClassExA(&wc);
    done = true;
}

// "MS Sans Serif" of 8.25 points at the screen's resolution.
HFONT MakeFont(bool bold) {
    HDC dc = GetDC(nullptr);
    int ppi = GetDeviceCaps(dc, LOGPIXELSY);
    ReleaseDC(nullptr, dc);
    LOGFONTA lf{};
    lf.lfHeight = -static_cast<LONG>(std::lround(8.25 * ppi / 72.0));
    lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
    lf.lfCharSet = DEFAULT_CHARSET;
    lstrcpyA(lf.lfFaceName, "MS Sans Serif");
    return CreateFontIndirectA(&lf);
}

DWORD StyleFor(const FormDesign& d) {
    DWORD style = WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
    switch (d.border) {
    case Border::Sizable: style |= WS_THICKFRAME; break;
    case Border::FixedSingle: style |= WS_BORDER; break;
    case Border::FixedDialog: style |= DS_MODALFRAME; break;
    }
    if (d.minButton) style |= WS_MINIMIZEBOX;
    if (d.maxButton) style |= WS_MAXIMIZEBOX;
    return style;
}

DWORD ExStyleFor(const FormDesign& d) { return d.border == Border::FixedDialog ? WS_EX_DLGMODALFRAME : 0; }

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
    d.centerOnOwner = true;
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
Form::~Form() { Destroy(false); }

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

bool Form::Load() {
    if (hwnd_) return true;
    RegisterFormClass();
    if (!font_) font_ = MakeFont(false);
    if (!boldFont_) boldFont_ = MakeFont(true);
    DWORD style = StyleFor(design_), ex = ExStyleFor(design_);
    RECT r{0, 0, TwipsToPixelsX(design_.clientWidth), TwipsToPixelsY(design_.clientHeight)};
    AdjustWindowRectEx(&r, style, FALSE, ex);
    hwnd_ = CreateWindowExA(ex, kClassName, design_.caption.c_str(), style, CW_USEDEFAULT, CW_USEDEFAULT,
                            r.right - r.left, r.bottom - r.top, nullptr, nullptr, GetModuleHandleA(nullptr),
                            nullptr);
    if (!hwnd_) return false;
    SetWindowLongPtrA(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    SetWindowLongPtrA(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::StaticProc));
    if (design_.programIcon) {
        SendMessageA(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(ProgramIcon(32)));
        SendMessageA(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(ProgramIcon(16)));
    }
    tooltip_ = CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_ALWAYSTIP, 0, 0, 0, 0,
                               hwnd_, nullptr, GetModuleHandleA(nullptr), nullptr);
    CreateControls();
    Form_Load();
    return hwnd_ != nullptr;
}

void Form::CreateControls() {
    // Tab stops first, in tab order, so the platform's tab order (the
    // z-order) follows the design; then the rest as declared.
    std::vector<std::pair<Control*, ControlDesign>> order = placed_;
    std::stable_sort(order.begin(), order.end(), [](const auto& a, const auto& b) {
        int ta = a.second.tabIndex < 0 ? 1 << 30 : a.second.tabIndex;
        int tb = b.second.tabIndex < 0 ? 1 << 30 : b.second.tabIndex;
        return ta < tb;
    });
    // The controls a picture box holds are made inside its window, so
    // right after it.
    std::unordered_map<const Control*, std::vector<size_t>> hosted;
    std::vector<size_t> onForm;
    for (size_t i = 0; i < order.size(); ++i) {
        if (const Control* host = Control::Host(order[i].second)) {
            hosted[host].push_back(i);
        } else {
            onForm.push_back(i);
        }
    }
    int id = kFirstControlId;
    std::function<void(size_t)> create = [&](size_t i) {
        auto& [c, d] = order[i];
        CreateControl(*c, d, id++);
        auto it = hosted.find(c);
        if (it == hosted.end()) return;
        for (size_t child : it->second) create(child);
    };
    for (size_t i : onForm) create(i);
}

void Form::CreateControl(Control& c, const ControlDesign& d, int id) {
    c.design_ = d;
    const Control* host = Control::Host(d);
    HWND parent = host ? host->hwnd_ : hwnd_;
    if (!parent) return;
    c.hwnd_ = c.Create(parent, ControlRect(d), id);
    if (!c.hwnd_) return;
    byHwnd_[c.hwnd_] = &c;
    SendMessageA(c.hwnd_, WM_SETFONT, reinterpret_cast<WPARAM>(Font(d.bold)), FALSE);
    if (!d.toolTip.empty()) {
        TOOLINFOA ti{};
        ti.cbSize = TTTOOLINFOA_V1_SIZE;
        ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
        ti.hwnd = hwnd_;
        ti.uId = reinterpret_cast<UINT_PTR>(c.hwnd_);
        ti.lpszText = const_cast<char*>(d.toolTip.c_str());
        SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
    c.OnCreated();
}

void Form::Show() { ShowOver(GetActiveWindow()); }

void Form::ShowOver(HWND owner) {
    if (!Load()) return;
    if (design_.centerOnOwner) {
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
    ShowWindow(hwnd_, SW_SHOW);
    // As in the platform's dialogs, the first control in tab order takes the focus.
    if (firstShow) {
        if (HWND first = GetNextDlgTabItem(hwnd_, nullptr, FALSE)) ::SetFocus(first);
    }
    Form_Resize();
}

void Form::ShowModal(const Form* owner) {
    // Centred on the owner given, else on the window that was active.
    HWND over = owner && owner->hwnd_ ? owner->hwnd_ : GetActiveWindow();
    if (!Load()) return;
    disabledByModal_.clear();
    EnumThreadWindows(GetCurrentThreadId(), &Form::CollectEnabled, reinterpret_cast<LPARAM>(this));
    ShowOver(over);
    for (HWND w : disabledByModal_) EnableWindow(w, FALSE);
    RunMessageLoopUntil([this] { return hwnd_ == nullptr; });
}

BOOL CALLBACK Form::CollectEnabled(HWND w, LPARAM self) {
    auto* form = reinterpret_cast<Form*>(self);
    if (w != form->hwnd_ && IsWindowVisible(w) && IsWindowEnabled(w) && w != form->tooltip_) {
        form->disabledByModal_.push_back(w);
    }
    return TRUE;
}

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
    byHwnd_.clear();
    commands_.clear();
    nextCommand_ = 1000;
    tooltip_ = nullptr;
    shown_ = false;
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
    try {
        return self->Proc(msg, wp, lp);
    } catch (...) {
        // A handler's failure ends that handler, never the program.
        return 0;
    }
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
    bool handled = false;
    LRESULT r = it->second->OnNotify(hdr, handled);
    return r;
}

LRESULT Form::Proc(UINT msg, WPARAM wp, LPARAM lp) {
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
        } else if (focusBeforeDeactivation_ && IsChild(hwnd_, focusBeforeDeactivation_)) {
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
    case WM_CTLCOLORSTATIC: {
        // Labels and check boxes take the form's face colour.
        HDC dc = reinterpret_cast<HDC>(wp);
        SetBkColor(dc, GetSysColor(COLOR_BTNFACE));
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_BTNFACE));
    }
    }
    return DefWindowProcA(hwnd_, msg, wp, lp);
}

}  // namespace rt
