#pragma once
#include <functional>
#include <vector>

#include "rt/control.h"

namespace rt {

// A drop-down combo box with an editable text field. Choosing an item, or
// setting the list index from code to another value, raises Click; typing
// raises nothing.
class ComboBox : public Control {
public:
    explicit ComboBox(std::vector<std::string> items = {}) : items_(std::move(items)) {}
    const std::vector<std::string>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    int ListIndex() const;
    void SetListIndex(int index);
    // The text field: the chosen item or what the user typed.
    std::string Text() const;
    void SetText(const std::string& text);
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    std::vector<std::string> items_;
    int index_ = -1;
};

}  // namespace rt
