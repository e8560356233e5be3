#pragma once
// The picture box: a coloured rectangle that holds other controls (placed
// with ControlDesign::In) and clips them, with an optional border and a
// click event.
#include <functional>

#include "rt/click_tracker.h"
#include "rt/control.h"

namespace rt {

struct PictureBoxStyle {
    COLORREF backColor = GetSysColor(COLOR_BTNFACE);
    bool border = false;  // fixed single: 2 pixels on each side
};

class PictureBox : public Control {
public:
    PictureBox() = default;
    explicit PictureBox(PictureBoxStyle style) : style_(style), backColor_(style.backColor) {}
    ~PictureBox() override;

    COLORREF BackColor() const { return backColor_; }
    void SetBackColor(COLORREF color);

    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    bool HostsChildren() const override { return true; }

private:
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void SetBrush();

    PictureBoxStyle style_;
    COLORREF backColor_ = GetSysColor(COLOR_BTNFACE);
    HBRUSH brush_ = nullptr;
    ClickTracker click_;
};

}  // namespace rt
