#pragma once
#include <functional>
#include <vector>

#include "rt/control.h"

namespace rt {

// DropDown: an editable text field over the list. DropDownList: no typing,
// the text is always the chosen item's.
enum class ComboStyle { DropDown, DropDownList };

// A drop-down combo box. Choosing an item, or setting the list index (or, in
// the drop-down-list style, the text) from code to another item, raises
// Click; typing raises nothing.
class ComboBox : public Control {
public:
    explicit ComboBox(std::vector<std::string> items = {}, ComboStyle style = ComboStyle::DropDown)
        : items_(std::move(items)), style_(style) {}
    const std::vector<std::string>& Items() const { return items_; }
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int index) const;
    void AddItem(const std::string& text);
    // Empties the list; the list index becomes -1 (raising nothing).
    void Clear();
    int ListIndex() const;
    // An index outside -1 to ListCount()-1 is refused (false) and kept.
    bool SetListIndex(int index);
    // The text field: the chosen item or what the user typed.
    std::string Text() const;
    // In the drop-down-list style the text must be an item's (compared
    // exactly) and chooses it; other text is refused (false).
    bool SetText(const std::string& text);
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    std::vector<std::string> items_;
    ComboStyle style_;
    int index_ = -1;
};

}  // namespace rt
