#pragma once
#include <functional>

#include "rt/control.h"

namespace rt {

// A picture shown as designed; the bitmap belongs to the caller.
class Image : public Control {
public:
    void SetPicture(HBITMAP bitmap);
    std::function<void()> DblClick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    HBITMAP bitmap_ = nullptr;
};

}  // namespace rt
