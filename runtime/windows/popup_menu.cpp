#include "rt/popup_menu.h"

namespace rt {

void PopupMenu::SetItemEnabled(size_t index, bool on) {
    if (index < items_.size()) items_[index].enabled = on;
}

void PopupMenu::Show(HWND owner) const {
    HMENU menu = CreatePopupMenu();
    if (!menu) return;
    for (size_t i = 0; i < items_.size(); ++i) {
        if (items_[i].caption == "-") {
            AppendMenuA(menu, MF_SEPARATOR, 0, nullptr);
        } else {
            AppendMenuA(menu, MF_STRING | (items_[i].enabled ? 0 : MF_GRAYED), i + 1, items_[i].caption.c_str());
        }
    }
    POINT pt;
    GetCursorPos(&pt);
    SetForegroundWindow(owner);
    UINT chosen = static_cast<UINT>(
        TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, pt.x, pt.y, 0, owner, nullptr));
    // Lets the menu of a notification icon close properly next time.
    PostMessageA(owner, WM_NULL, 0, 0);
    DestroyMenu(menu);
    if (chosen >= 1 && chosen <= items_.size() && items_[chosen - 1].Click) items_[chosen - 1].Click();
}

}  // namespace rt
