#pragma once
#include "rt/control.h"

namespace rt {

// The colour the platform gives a window's text.
constexpr COLORREF kSystemTextColor = CLR_INVALID;

struct LabelOptions {
    bool autoSize = false;     // takes the size of its caption
    bool transparent = false;  // what lies behind it shows through
    COLORREF foreColor = kSystemTextColor;
};

// A static text in its design's font (a row's own font, or the form's).
class Label : public Control {
public:
    explicit Label(LabelOptions options = {}) : options_(options) {}
    void SetCaption(const std::string& text);
    COLORREF ForeColor() const { return options_.foreColor; }
    void SetForeColor(COLORREF color);

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    void Paint(HDC dc);
    void FitToText();
    LabelOptions options_;
};

// A frame: with no caption and a small height, a separator line; with a
// caption, a group box whose inside other controls are placed in.
class Frame : public Control {
protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
};

}  // namespace rt
