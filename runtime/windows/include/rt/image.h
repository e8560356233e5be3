#pragma once
// The image control: a picture at its natural size or stretched into the
// control, placed in twips with halves kept, an optional border, and mouse
// events.
#include <functional>

#include "rt/click_tracker.h"
#include "rt/control.h"
#include "rt/picture.h"

namespace rt {

struct ImageStyle {
    bool stretch = false;
    bool border = false;  // fixed single: 2 pixels on each side
};

class Image : public Control {
public:
    Image() = default;
    explicit Image(ImageStyle style) : style_(style), stretch_(style.stretch) {}

    // Loads the file as the control's picture; on failure returns false and
    // the previous picture stays.
    bool LoadPicture(const std::string& path);
    // Replaces (and releases) the current picture; an empty one clears it.
    void SetPicture(Picture picture);
    // A bitmap that stays the caller's.
    void SetPicture(HBITMAP bitmap);
    const Picture& GetPicture() const { return picture_; }
    bool HasPicture() const { return picture_.IsLoaded(); }

    // Off: the control takes the picture's natural size (plus its border);
    // on: the picture is drawn into the control's rectangle.
    bool Stretch() const { return stretch_; }
    void SetStretch(bool on);

    // Position and size in twips as set, fractions kept; drawn at the
    // nearest pixel. A negative size is refused (false).
    float Left() const { return left_; }
    float Top() const { return top_; }
    float Width() const { return width_; }
    float Height() const { return height_; }
    void SetLeft(float twips);
    void SetTop(float twips);
    bool SetWidth(float twips);
    bool SetHeight(float twips);
    bool Move(float left, float top, float width, float height);

    // button: 1 left, 2 right, 4 middle; shift: 1 Shift, 2 Ctrl, 4 Alt;
    // x, y: twips inside the control.
    std::function<void(int button, int shift, float x, float y)> MouseDown;
    std::function<void()> Click;
    std::function<void()> DblClick;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;

private:
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;
    void Paint(HDC dc);
    void FitToPicture();
    void Place();
    void ResetToDesign();

    ImageStyle style_;
    Picture picture_;
    bool stretch_ = false;
    ClickTracker click_;
    float left_ = 0, top_ = 0, width_ = 0, height_ = 0;
};

}  // namespace rt
