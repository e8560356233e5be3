#include "rt/toolbar.h"

#include <commctrl.h>

#include "rt/form.h"

namespace rt {

HWND Toolbar::Create(HWND parent, const RECT& rect, int id) {
    DWORD style = TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | CCS_NORESIZE | CCS_NOPARENTALIGN | CCS_NODIVIDER;
    return CreateChild(TOOLBARCLASSNAMEA, style, 0, parent, rect, id);
}

void Toolbar::OnCreated() {
    SendMessageA(hwnd_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageA(hwnd_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImages(false)));
    SendMessageA(hwnd_, TB_SETHOTIMAGELIST, 0, reinterpret_cast<LPARAM>(ToolbarImages(true)));
    commandIds_.clear();
    std::vector<TBBUTTON> tb;
    for (size_t i = 0; i < buttons_.size(); ++i) {
        const ToolButton& b = buttons_[i];
        TBBUTTON t{};
        if (b.separator) {
            t.fsStyle = BTNS_SEP;
            t.idCommand = 0;
            commandIds_.push_back(0);
        } else {
            int index = static_cast<int>(i);
            int cmd = form_->AllocateCommand(
                [this, index] {
                    if (ButtonClick) ButtonClick(buttons_[index]);
                },
                b.toolTip);
            commandIds_.push_back(cmd);
            t.idCommand = cmd;
            int image = ToolbarImageIndex(b.picture);
            t.iBitmap = image < 0 ? I_IMAGENONE : image;
            t.fsStyle = BTNS_BUTTON;
            t.fsState = b.enabled ? TBSTATE_ENABLED : 0;
            t.iString = reinterpret_cast<INT_PTR>(b.caption.c_str());
        }
        tb.push_back(t);
    }
    SendMessageA(hwnd_, TB_ADDBUTTONSA, tb.size(), reinterpret_cast<LPARAM>(tb.data()));
    SendMessageA(hwnd_, TB_AUTOSIZE, 0, 0);
    ApplyGeometry();  // the toolbar keeps its designed place and size
}

int Toolbar::Find(std::string_view key) const {
    for (size_t i = 0; i < buttons_.size(); ++i)
        if (!buttons_[i].separator && buttons_[i].tag == key) return static_cast<int>(i);
    return -1;
}

bool Toolbar::ButtonEnabled(std::string_view key) const {
    const int i = Find(key);
    if (i < 0) return false;
    if (!hwnd_) return buttons_[i].enabled;
    return SendMessageA(hwnd_, TB_ISBUTTONENABLED, commandIds_[i], 0) != 0;
}

void Toolbar::SetButtonEnabled(std::string_view key, bool on) {
    const int i = Find(key);
    if (i < 0) return;
    buttons_[i].enabled = on;
    if (hwnd_) SendMessageA(hwnd_, TB_ENABLEBUTTON, commandIds_[i], MAKELONG(on, 0));
}

void Toolbar::PressButton(std::string_view key) {
    const int i = Find(key);
    if (i >= 0 && ButtonClick) ButtonClick(buttons_[i]);
}

}  // namespace rt
