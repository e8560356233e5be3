#pragma once
#include <functional>
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
// Buttons are addressed by their 1-based index, separators included.
class Toolbar : public Control {
public:
    explicit Toolbar(std::vector<ToolButton> buttons) : buttons_(std::move(buttons)) {}
    int ButtonCount() const { return static_cast<int>(buttons_.size()); }
    const ToolButton& Button(int index) const { return buttons_.at(index - 1); }
    bool ButtonEnabled(int index) const;
    void SetButtonEnabled(int index, bool on);
    // Raises ButtonClick for that button, as a click does (tests and keys).
    void PressButton(int index);
    std::function<void(const ToolButton&)> ButtonClick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;

private:
    std::vector<ToolButton> buttons_;
    std::vector<int> commandIds_;
};

}  // namespace rt
