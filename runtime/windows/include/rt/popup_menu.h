#pragma once
// A menu that is never shown in a menu bar, only as a popup at the pointer.
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace rt {

struct MenuItem {
    std::string caption;  // "-" is a separator line
    std::function<void()> Click;
    bool enabled = true;
};

class PopupMenu {
public:
    PopupMenu(std::string caption, std::vector<MenuItem> items)
        : caption_(std::move(caption)), items_(std::move(items)) {}
    const std::string& Caption() const { return caption_; }
    const std::vector<MenuItem>& Items() const { return items_; }
    // Items by their 0-based index; an index outside the menu is ignored.
    bool ItemEnabled(size_t index) const { return index < items_.size() && items_[index].enabled; }
    void SetItemEnabled(size_t index, bool on);
    // Shows the menu at the pointer over the owner; the chosen item's Click
    // runs after the menu has closed.
    void Show(HWND owner) const;

private:
    std::string caption_;
    std::vector<MenuItem> items_;
};

}  // namespace rt
