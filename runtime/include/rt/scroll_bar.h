#pragma once
// Horizontal and vertical scroll bars with 16-bit minimum, maximum, value,
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

    // Minimum and maximum: any 16-bit values; the maximum may lie below the
    // minimum (the bar then counts down). A value left outside the new range
    // moves to its nearest end (a change).
    int16_t Min() const { return min_; }
    int16_t Max() const { return max_; }
    bool SetMin(int value);
    bool SetMax(int value);
    // Between the minimum and the maximum.
    int16_t Value() const { return value_; }
    bool SetValue(int value);
    // 1 to 32767.
    int16_t SmallChange() const { return smallChange_; }
    int16_t LargeChange() const { return largeChange_; }
    bool SetSmallChange(int value);
    bool SetLargeChange(int value);

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
    // The platform's bar runs from 0 to the distance between the ends, in
    // the direction from the minimum to the maximum.
    int Span() const;
    int Position() const;
    int16_t ValueAt(int position) const;
    // Where the dragged thumb is; false when the platform cannot say.
    bool ThumbValue(int16_t& value) const;
    void ApplyRange();
    // Sets the value and the thumb; raises Change when the value differs.
    void Update(int16_t value);
    void RaiseChange();
    // After a new minimum or maximum: a value outside moves to the nearer end.
    void KeepValueInRange();
    void ResetToDesign();

    ScrollBarKind kind_;
    int16_t min_ = 0;
    int16_t max_ = 32767;
    int16_t value_ = 0;
    int16_t smallChange_ = 1;
    int16_t largeChange_ = 1;
    bool dragging_ = false;
    int16_t valueBeforeDrag_ = 0;
};

}  // namespace rt
