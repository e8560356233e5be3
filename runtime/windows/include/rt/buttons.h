#pragma once
#include <functional>

#include "rt/control.h"

namespace rt {

// A push button; with a picture, the picture sits centred above the caption.
class CommandButton : public Control {
public:
    // The icon belongs to the caller and must outlive its use here.
    explicit CommandButton(HICON picture = nullptr) : picture_(picture) {}
    HICON Picture() const { return picture_; }
    void SetPicture(HICON picture);
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCommand(int code) override;
    bool OnDrawItem(const DRAWITEMSTRUCT& item) override;

private:
    HICON picture_;
};

// Value 0 unticked, 1 ticked, 2 greyed. A click by the user toggles between
// 0 and 1; every real change, by the user or by code, raises Click.
class CheckBox : public Control {
public:
    explicit CheckBox(int value = 0) : value_(value) {}
    int Value() const { return value_; }
    void SetValue(int value);
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    int value_;
};

// One of a group of option buttons: selecting one clears the others of its
// group; Click is raised when a button becomes selected.
class OptionButton : public Control {
public:
    explicit OptionButton(bool value = false, bool firstOfGroup = false)
        : value_(value), firstOfGroup_(firstOfGroup) {}
    bool Value() const;
    void SetValue(bool on);
    std::function<void()> Click;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnCommand(int code) override;

private:
    bool value_;
    bool firstOfGroup_;
};

}  // namespace rt
