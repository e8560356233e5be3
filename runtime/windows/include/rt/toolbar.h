#pragma once
#include <functional>
#include <string_view>
#include <vector>

#include "rt/control.h"
#include "rt/drawing.h"

namespace rt {

// One button of a toolbar; a separator has no caption, tag or picture.
struct ToolButton {
    std::string caption;
    std::string tag;  // also the button's key
    std::string toolTip;
    ToolPicture picture = nullptr;  // drawn by the button's owner
    bool enabled = true;
    bool separator = false;

    static ToolButton Separator() {
        ToolButton b;
        b.separator = true;
        return b;
    }
};

// A toolbar with captioned buttons, tooltips, and normal and hot images.
// Buttons are addressed by their key; a key no button has is ignored.
class Toolbar : public Control {
public:
    explicit Toolbar(std::vector<ToolButton> buttons) : buttons_(std::move(buttons)) {}
    // The buttons in their order, separators included, from 1 (the layout).
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    const ToolButton& Button(int position) const { return buttons_.at(position - 1); }
    bool ButtonEnabled(std::string_view key) const;
    void SetButtonEnabled(std::string_view key, bool on);
    // Raises ButtonClick for that button, as a click does (tests and keys).
    void PressButton(std::string_view key);
    std::function<void(const ToolButton&)> ButtonClick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;

private:
    // The 0-based slot of the button with that key, or -1.
    int Find(std::string_view key) const;

    std::vector<ToolButton> buttons_;
    std::vector<int> commandIds_;
};

}  // namespace rt
