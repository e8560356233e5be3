#include "rt/msgbox.h"

#include <vector>

#include "rt/callback_guard.h"

namespace rt {

int MsgBox(const std::string& text, UINT style, const std::string& title) {
    return MsgBox(text.c_str(), style, title.c_str());
}

int MsgBox(const char* text, UINT style, const char* title) noexcept {
    return MessageBoxA(GetActiveWindow(), text, title, style | MB_SETFOREGROUND);
}

namespace {

constexpr WORD kPromptId = 100;
constexpr WORD kEditId = 101;

// A dialog template built in memory: words, aligned as the platform reads them.
class DialogTemplate {
public:
    DialogTemplate(const std::string& title, short cx, short cy) {
        DWORD style = DS_MODALFRAME | DS_SETFONT | DS_CENTER | WS_POPUP | WS_CAPTION | WS_SYSMENU;
        Dword(style);
        Dword(0);
        countAt_ = data_.size();
        Word(0);  // item count, set as items are added
        Word(0);
        Word(0);
        Word(cx);
        Word(cy);
        Word(0);  // no menu
        Word(0);  // standard class
        Text(title);
        Word(8);
        Text("MS Sans Serif");
    }

    void Item(WORD id, WORD classAtom, DWORD style, short x, short y, short cx, short cy,
              const std::string& text) {
        if (data_.size() % 2) Word(0);  // each item starts on a DWORD
        Dword(style | WS_CHILD | WS_VISIBLE);
        Dword(0);
        Word(x);
        Word(y);
        Word(cx);
        Word(cy);
        Word(id);
        Word(0xFFFF);
        Word(classAtom);
        Text(text);
        Word(0);
        ++data_[countAt_];
    }

    const DLGTEMPLATE* Get() const { return reinterpret_cast<const DLGTEMPLATE*>(data_.data()); }

private:
    void Word(WORD w) { data_.push_back(w); }
    void Dword(DWORD d) {
        Word(LOWORD(d));
        Word(HIWORD(d));
    }
    void Text(const std::string& s) {
        for (unsigned char c : s) Word(c);
        Word(0);
    }

    std::vector<WORD> data_;
    size_t countAt_ = 0;
};

struct InputState {
    const std::string* defaultText;
    std::string answer;
};

INT_PTR InputMessage(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    switch (msg) {
    case WM_INITDIALOG: {
        auto* state = reinterpret_cast<InputState*>(lp);
        SetWindowLongPtrA(dlg, DWLP_USER, lp);
        SetDlgItemTextA(dlg, kEditId, state->defaultText->c_str());
        SendDlgItemMessageA(dlg, kEditId, EM_SETSEL, 0, -1);
        // The user types at once: the focus starts in the text box, not on OK.
        SetFocus(GetDlgItem(dlg, kEditId));
        return FALSE;
    }
    case WM_COMMAND:
        if (LOWORD(wp) == IDOK || LOWORD(wp) == IDCANCEL) {
            auto* state = reinterpret_cast<InputState*>(GetWindowLongPtrA(dlg, DWLP_USER));
            if (LOWORD(wp) == IDOK) {
                HWND edit = GetDlgItem(dlg, kEditId);
                int len = GetWindowTextLengthA(edit);
                std::string text(len + 1, '\0');
                GetWindowTextA(edit, text.data(), len + 1);
                text.resize(len);
                state->answer = text;
            }
            EndDialog(dlg, LOWORD(wp));
            return TRUE;
        }
        break;
    }
    return FALSE;
}

INT_PTR CALLBACK InputProc(HWND dlg, UINT msg, WPARAM wp, LPARAM lp) {
    return Guarded(INT_PTR{FALSE}, [&] { return InputMessage(dlg, msg, wp, lp); });
}

}  // namespace

std::string InputBox(const std::string& prompt, const std::string& title, const std::string& defaultText) {
    constexpr WORD kButton = 0x0080, kEdit = 0x0081, kStatic = 0x0082;
    DialogTemplate t(title, 240, 84);
    t.Item(kPromptId, kStatic, SS_LEFT, 6, 6, 174, 48, prompt);
    t.Item(IDOK, kButton, BS_DEFPUSHBUTTON | WS_TABSTOP, 186, 6, 48, 14, "OK");
    t.Item(IDCANCEL, kButton, BS_PUSHBUTTON | WS_TABSTOP, 186, 24, 48, 14, "Cancel");
    t.Item(kEditId, kEdit, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 6, 62, 228, 13, "");
    InputState state{&defaultText, {}};
    DialogBoxIndirectParamA(GetModuleHandleA(nullptr), t.Get(), GetActiveWindow(), InputProc,
                            reinterpret_cast<LPARAM>(&state));
    return state.answer;
}

void Beep() { MessageBeep(MB_OK); }

}  // namespace rt
