#pragma once
#include <functional>
#include <string>
#include <vector>

#include "rt/control.h"

namespace rt {

// Single: one current item, selected with it. MultiToggle: a click or Space
// toggles the item under it; any number are selected at once.
enum class ListSelection { Single, MultiToggle };

// A list box of text items (0-based indexes). Click is raised once for every
// real change of the current item or of a selection, by the user or by code;
// setting a value the list already has raises nothing.
class ListBox : public Control {
public:
    explicit ListBox(ListSelection selection = ListSelection::Single) : selection_(selection) {}
    int ListCount() const { return static_cast<int>(items_.size()); }
    std::string List(int index) const;
    void AddItem(const std::string& text);
    // An index outside the list is refused (false).
    bool RemoveItem(int index);
    void Clear();
    bool Selected(int index) const;
    bool SetSelected(int index, bool on);
    int SelCount() const;
    // The current item (-1: none); in a single-selection list also the selected one.
    int ListIndex() const { return index_; }
    bool SetListIndex(int index);
    // The current item's text ("" without one).
    std::string Text() const;
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    void ReadSelectionFromWindow();
    ListSelection selection_;
    std::vector<std::string> items_;
    std::vector<bool> selected_;
    int index_ = -1;
};

}  // namespace rt
