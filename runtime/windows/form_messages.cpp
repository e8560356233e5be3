#include "rt/form.h"

#include <commctrl.h>

#include "rt/callback_guard.h"
#include "rt/mouse.h"
#include "rt/screen.h"

namespace rt {
namespace {

// Raised by the window's activation, delivered after Show has returned, so a
// modal form's other windows are already disabled when Form_Activate runs.
UINT ActivateMessage() {
    static const UINT msg = RegisterWindowMessageA("FileToolsForm.Activate");
    return msg;
}

}  // namespace

int ShiftState() {
    int s = 0;
    if (GetKeyState(VK_SHIFT) < 0) s |= 1;
    if (GetKeyState(VK_CONTROL) < 0) s |= 2;
    if (GetKeyState(VK_MENU) < 0) s |= 4;
    return s;
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
