#pragma once
#include "rt/control.h"

namespace rt {

struct TextBoxStyle {
    bool multiLine = false;
    bool verticalScroll = false;
    int maxLength = 0;  // 0: no limit
};

class TextBox : public Control {
public:
    explicit TextBox(TextBoxStyle style = {}) : style_(style) {}
    std::string Text() const { return Caption(); }
    void SetText(const std::string& text) { SetCaption(text); }

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;

private:
    TextBoxStyle style_;
};

}  // namespace rt
