#include "rt/scroll_bar.h"

#include <algorithm>
#include <cstdlib>
#include <limits>

namespace rt {
namespace {

bool Is16Bit(int value) {
    return value >= std::numeric_limits<int16_t>::min() && value <= std::numeric_limits<int16_t>::max();
}

}  // namespace

HWND ScrollBar::Create(HWND parent, const RECT& rect, int id) {
    DWORD style = kind_ == ScrollBarKind::Horizontal ? SBS_HORZ : SBS_VERT;
    return CreateChild("SCROLLBAR", style, 0, parent, rect, id);
}

void ScrollBar::OnCreated() {
    Subclass();
    ApplyRange();
}

void ScrollBar::ResetToDesign() {
    min_ = 0;
    max_ = std::numeric_limits<int16_t>::max();
    value_ = 0;
    smallChange_ = 1;
    largeChange_ = 1;
    dragging_ = false;
}

int ScrollBar::Span() const { return std::abs(int(max_) - int(min_)); }

int ScrollBar::Position() const { return std::abs(int(value_) - int(min_)); }

int16_t ScrollBar::ValueAt(int position) const {
    position = std::clamp(position, 0, Span());
    return static_cast<int16_t>(max_ >= min_ ? min_ + position : min_ - position);
}

void ScrollBar::ApplyRange() {
    if (!hwnd_) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    si.nMin = 0;
    si.nMax = Span();
    si.nPos = Position();
    SetScrollInfo(hwnd_, SB_CTL, &si, TRUE);
}

void ScrollBar::Update(int16_t value) {
    if (value == value_) return;
    value_ = value;
    if (hwnd_) SetScrollPos(hwnd_, SB_CTL, Position(), TRUE);
    RaiseChange();
}

void ScrollBar::RaiseChange() {
    if (!Change) return;
    auto handler = Change;  // the handler may unload the form
    handler();
}

bool ScrollBar::SetValue(int value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_)) return false;
    Update(static_cast<int16_t>(value));
    return true;
}

void ScrollBar::KeepValueInRange() {
    const int16_t old = value_;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    ApplyRange();
    if (value_ != old) RaiseChange();
}

bool ScrollBar::SetMin(int value) {
    if (!Is16Bit(value)) return false;
    min_ = static_cast<int16_t>(value);
    KeepValueInRange();
    return true;
}

bool ScrollBar::SetMax(int value) {
    if (!Is16Bit(value)) return false;
    max_ = static_cast<int16_t>(value);
    KeepValueInRange();
    return true;
}

bool ScrollBar::SetSmallChange(int value) {
    if (value < 1 || !Is16Bit(value)) return false;
    smallChange_ = static_cast<int16_t>(value);
    return true;
}

bool ScrollBar::SetLargeChange(int value) {
    if (value < 1 || !Is16Bit(value)) return false;
    largeChange_ = static_cast<int16_t>(value);
    return true;
}

bool ScrollBar::ThumbValue(int16_t& value) const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    if (!GetScrollInfo(hwnd_, SB_CTL, &si)) return false;
    value = ValueAt(si.nTrackPos);
    return true;
}

void ScrollBar::OnScroll(int request) {
    const int position = Position();
    switch (request) {
    case SB_LINEUP: Update(ValueAt(position - smallChange_)); break;
    case SB_LINEDOWN: Update(ValueAt(position + smallChange_)); break;
    case SB_PAGEUP: Update(ValueAt(position - largeChange_)); break;
    case SB_PAGEDOWN: Update(ValueAt(position + largeChange_)); break;
    case SB_TOP: Update(ValueAt(0)); break;
    case SB_BOTTOM: Update(ValueAt(Span())); break;
    case SB_THUMBTRACK: {
        // While the thumb moves the value follows it and Scroll runs; Change
        // waits for the thumb's release.
        int16_t tracked = 0;
        if (!ThumbValue(tracked)) break;
        if (!dragging_) {
            dragging_ = true;
            valueBeforeDrag_ = value_;
        }
        if (tracked == value_) break;
        value_ = tracked;
        if (Scroll) {
            auto handler = Scroll;
            handler();
        }
        break;
    }
    case SB_THUMBPOSITION: {
        const int16_t before = dragging_ ? valueBeforeDrag_ : value_;
        dragging_ = false;
        ThumbValue(value_);
        SetScrollPos(hwnd_, SB_CTL, Position(), TRUE);
        if (value_ != before) RaiseChange();
        break;
    }
    default: break;
    }
}

LRESULT ScrollBar::OnSubclassedMessage(UINT msg, WPARAM wp, LPARAM lp) {
    // The window goes with its form: the next load starts from the design.
    if (msg == WM_NCDESTROY) ResetToDesign();
    return CallBase(msg, wp, lp);
}

}  // namespace rt
