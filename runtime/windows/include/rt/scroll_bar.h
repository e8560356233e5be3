#pragma once
// Horizontal and vertical scroll bars with 32-bit minimum, maximum, value,
// small and large change. A setting the bar refuses returns false and the
// previous value stays.
#include <cstdint>
#include <functional>

#include "rt/control.h"

namespace rt {

enum class ScrollBarKind { Horizontal, Vertical };

class ScrollBar : public Control {
public:
    explicit ScrollBar(ScrollBarKind kind) : kind_(kind) {}

    // Minimum and maximum: any 32-bit values; the maximum may lie below the
    // minimum (the bar then counts down). A value left outside the new range
    // moves to its nearest end (a change).
    int32_t Min() const { return min_; }
    int32_t Max() const { return max_; }
    bool SetMin(int32_t value);
    bool SetMax(int32_t value);
    // Between the minimum and the maximum.
    int32_t Value() const { return value_; }
    bool SetValue(int32_t value);
    // 1 and more.
    int32_t SmallChange() const { return smallChange_; }
    int32_t LargeChange() const { return largeChange_; }
    bool SetSmallChange(int32_t value);
    bool SetLargeChange(int32_t value);

    // On every real change of the value (from code, an arrow, a page, a key,
    // a released thumb); Scroll while the thumb is dragged.
    std::function<void()> Change;
    std::function<void()> Scroll;

protected:
    HWND Create(HWND parent, const RECT& rect, int id) override;
    void OnCreated() override;
    void OnScroll(int request) override;
    LRESULT OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) override;

private:
    // The distance between the ends, and the value's distance from the
    // minimum, in the direction from the minimum to the maximum.
    int64_t Span() const;
    int64_t Position() const;
    int32_t ValueAt(int64_t position) const;
    // The platform's bar runs from 0 to at most kPlatformSpan; a longer span
    // is scaled onto it.
    int PlatformSpan() const;
    int PlatformPosition() const;
    // Where the dragged thumb is; false when the platform cannot say.
    bool ThumbValue(int32_t& value) const;
    void ApplyRange();
    void ShowPosition();
    // Sets the value and the thumb; raises Change when the value differs.
    void Update(int32_t value);
    void RaiseChange();
    // After a new minimum or maximum: a value outside moves to the nearer end.
    void KeepValueInRange();
    void ResetToDesign();

    ScrollBarKind kind_;
    int32_t min_ = 0;
    int32_t max_ = 32767;
    int32_t value_ = 0;
    int32_t smallChange_ = 1;
    int32_t largeChange_ = 1;
    bool dragging_ = false;
    int32_t valueBeforeDrag_ = 0;
};

}  // namespace rt
