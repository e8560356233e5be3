#pragma once
#include "rt/control.h"

namespace rt {

// A static text; with auto size it takes the size of its caption.
class Label : public Control {
public:
    explicit Label(bool autoSize = false) : autoSize_(autoSize) {}
    void SetCaption(const std::string& text);

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;

private:
    void FitToText();
    bool autoSize_;
};

// A frame: with no caption and a small height, a separator line; with a
// caption, a group box whose inside other controls are placed in.
class Frame : public Control {
protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
};

}  // namespace rt
