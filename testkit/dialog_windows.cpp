#include "dialog_windows.h"

#include <commctrl.h>
#include <shlobj.h>

namespace testkit::detail {
namespace {

constexpr int kMessageTextControl = 0xFFFF;

std::string WindowText(HWND hwnd) {
    char text[1024] = {};
    GetWindowTextA(hwnd, text, sizeof text);
    return text;
}

std::string ClassName(HWND hwnd) {
    char name[256] = {};
    GetClassNameA(hwnd, name, sizeof name);
    return name;
}

bool IsClass(HWND hwnd, const char* name) { return lstrcmpiA(ClassName(hwnd).c_str(), name) == 0; }

LONG Style(HWND hwnd) { return GetWindowLongA(hwnd, GWL_STYLE); }

int ControlId(HWND hwnd) { return GetDlgCtrlID(hwnd) & 0xFFFF; }

BOOL CALLBACK Collect(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

// Every window below parent, depth first in z-order.
std::vector<HWND> Descendants(HWND parent) {
    std::vector<HWND> all;
    EnumChildWindows(parent, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

std::vector<HWND> TopLevelWindows(DWORD threadId) {
    std::vector<HWND> all;
    EnumThreadWindows(threadId, Collect, reinterpret_cast<LPARAM>(&all));
    return all;
}

bool IsPushButton(HWND hwnd) {
    LONG type = Style(hwnd) & BS_TYPEMASK;
    return IsClass(hwnd, "Button") && (type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON);
}

bool IsIconStatic(HWND hwnd) { return IsClass(hwnd, "Static") && (Style(hwnd) & SS_TYPEMASK) == SS_ICON; }

Icon IconOf(HWND dialog) {
    struct Known {
        LPCSTR id;
        Icon icon;
    } known[] = {{IDI_HAND, Icon::Error},
                 {IDI_QUESTION, Icon::Question},
                 {IDI_EXCLAMATION, Icon::Warning},
                 {IDI_ASTERISK, Icon::Information}};
    for (HWND child : Descendants(dialog)) {
        if (!IsIconStatic(child)) continue;
        auto shown = reinterpret_cast<HICON>(SendMessageA(child, STM_GETICON, 0, 0));
        for (const Known& k : known) {
            if (shown == LoadIconA(nullptr, k.id)) return k.icon;
        }
    }
    return Icon::None;
}

std::string MessageText(HWND dialog) {
    for (HWND child : Descendants(dialog)) {
        if (ControlId(child) == kMessageTextControl && IsClass(child, "Static") && !IsIconStatic(child)) {
            return WindowText(child);
        }
    }
    return "";
}

bool HasCaption(HWND hwnd) { return (Style(hwnd) & WS_CAPTION) == WS_CAPTION; }

}  // namespace

std::vector<HWND> ModalDialogs(DWORD threadId) {
    std::vector<HWND> shown;
    bool someDisabled = false;
    for (HWND hwnd : TopLevelWindows(threadId)) {
        if (!IsWindowVisible(hwnd)) continue;
        if (IsWindowEnabled(hwnd)) {
            shown.push_back(hwnd);
        } else {
            someDisabled = true;
        }
    }
    std::vector<HWND> dialogs;
    for (HWND hwnd : shown) {
        HWND owner = GetWindow(hwnd, GW_OWNER);
        bool ownerDisabled = owner && !IsWindowEnabled(owner);
        if (IsClass(hwnd, "#32770") || (HasCaption(hwnd) && (ownerDisabled || someDisabled))) {
            dialogs.push_back(hwnd);
        }
    }
    return dialogs;
}

HWND FindEnabledPushButton(HWND dialog, int id) {
    for (HWND child : Descendants(dialog)) {
        if (ControlId(child) == id && IsPushButton(child)) {
            return IsWindowEnabled(child) && IsWindowVisible(child) ? child : nullptr;
        }
    }
    return nullptr;
}

int ClickToolButton(HWND dialog, const std::string& caption) {
    for (HWND bar : Descendants(dialog)) {
        if (!IsClass(bar, TOOLBARCLASSNAMEA) || !IsWindowVisible(bar)) continue;
        const int count = static_cast<int>(SendMessageA(bar, TB_BUTTONCOUNT, 0, 0));
        for (int i = 0; i < count; ++i) {
            TBBUTTON b{};
            char text[256] = {};
            if (!SendMessageA(bar, TB_GETBUTTON, i, reinterpret_cast<LPARAM>(&b)) || (b.fsStyle & BTNS_SEP)) continue;
            SendMessageA(bar, TB_GETBUTTONTEXTA, b.idCommand, reinterpret_cast<LPARAM>(text));
            if (caption != text || !(b.fsState & TBSTATE_ENABLED)) continue;
            RECT r{};
            SendMessageA(bar, TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
            const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
            PostMessageA(bar, WM_LBUTTONDOWN, MK_LBUTTON, at);
            PostMessageA(bar, WM_LBUTTONUP, 0, at);
            return b.idCommand;
        }
    }
    return 0;
}

bool SelectFolder(HWND dialog, const std::string& folder) {
    SendMessageA(dialog, BFFM_SETSELECTIONA, TRUE, reinterpret_cast<LPARAM>(folder.c_str()));
    for (HWND tree : Descendants(dialog)) {
        if (!IsClass(tree, WC_TREEVIEWA)) continue;
        auto selected = SendMessageA(tree, TVM_GETNEXTITEM, TVGN_CARET, 0);
        return selected && selected != SendMessageA(tree, TVM_GETNEXTITEM, TVGN_ROOT, 0);
    }
    return false;
}

HWND FindEdit(HWND dialog, int id) {
    HWND holder = dialog;
    if (id != 0) {
        holder = nullptr;
        for (HWND child : Descendants(dialog)) {
            if (ControlId(child) == id) {
                holder = child;
                break;
            }
        }
        if (!holder) return nullptr;
        if (IsClass(holder, "Edit")) return holder;
    }
    for (HWND child : Descendants(holder)) {
        if (IsClass(child, "Edit") && IsWindowVisible(child)) return child;
    }
    return nullptr;
}

SeenDialog Describe(HWND dialog) {
    SeenDialog seen;
    seen.title = WindowText(dialog);
    seen.text = MessageText(dialog);
    seen.className = ClassName(dialog);
    seen.icon = IconOf(dialog);
    for (HWND child : Descendants(dialog)) {
        if (IsPushButton(child) && IsWindowVisible(child)) seen.buttons.push_back(ControlId(child));
    }
    return seen;
}

}  // namespace testkit::detail
