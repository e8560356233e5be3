#include "rt/scroll_bar.h"

#include <algorithm>
#include <cstdlib>

namespace rt {
namespace {

// The longest range the platform's bar is given: its thumb arithmetic is
// sure only within 16 bits, so a longer span is scaled onto this one.
constexpr int64_t kPlatformSpan = 32767;

// a * b / c rounded to the nearest, all of them not negative.
int64_t ScaleRounded(int64_t a, int64_t b, int64_t c) { return (a * b + c / 2) / c; }

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
    max_ = 32767;
    value_ = 0;
    smallChange_ = 1;
    largeChange_ = 1;
    dragging_ = false;
}

int64_t ScrollBar::Span() const { return std::abs(int64_t{max_} - int64_t{min_}); }

int64_t ScrollBar::Position() const { return std::abs(int64_t{value_} - int64_t{min_}); }

int32_t ScrollBar::ValueAt(int64_t position) const {
    position = std::clamp<int64_t>(position, 0, Span());
    return static_cast<int32_t>(max_ >= min_ ? min_ + position : min_ - position);
}

int ScrollBar::PlatformSpan() const { return static_cast<int>(std::min(Span(), kPlatformSpan)); }

int ScrollBar::PlatformPosition() const {
    const int64_t span = Span();
    if (span <= kPlatformSpan) return static_cast<int>(Position());
    return static_cast<int>(ScaleRounded(Position(), kPlatformSpan, span));
}

void ScrollBar::ApplyRange() {
    if (!hwnd_) return;
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_RANGE | SIF_POS | SIF_PAGE;
    si.nMin = 0;
    si.nMax = PlatformSpan();
    si.nPos = PlatformPosition();
    SetScrollInfo(hwnd_, SB_CTL, &si, TRUE);
}

void ScrollBar::ShowPosition() {
    if (hwnd_) SetScrollPos(hwnd_, SB_CTL, PlatformPosition(), TRUE);
}

void ScrollBar::Update(int32_t value) {
    if (value == value_) return;
    value_ = value;
    ShowPosition();
    RaiseChange();
}

void ScrollBar::RaiseChange() {
    if (!Change) return;
    auto handler = Change;  // the handler may unload the form
    handler();
}

bool ScrollBar::SetValue(int32_t value) {
    if (value < std::min(min_, max_) || value > std::max(min_, max_)) return false;
    Update(value);
    return true;
}

void ScrollBar::KeepValueInRange() {
    const int32_t old = value_;
    value_ = std::clamp(value_, std::min(min_, max_), std::max(min_, max_));
    ApplyRange();
    if (value_ != old) RaiseChange();
}

bool ScrollBar::SetMin(int32_t value) {
    min_ = value;
    KeepValueInRange();
    return true;
}

bool ScrollBar::SetMax(int32_t value) {
    max_ = value;
    KeepValueInRange();
    return true;
}

bool ScrollBar::SetSmallChange(int32_t value) {
    if (value < 1) return false;
    smallChange_ = value;
    return true;
}

bool ScrollBar::SetLargeChange(int32_t value) {
    if (value < 1) return false;
    largeChange_ = value;
    return true;
}

// Read from the bar itself: the scroll message carries only 16 bits of it.
bool ScrollBar::ThumbValue(int32_t& value) const {
    SCROLLINFO si{};
    si.cbSize = sizeof si;
    si.fMask = SIF_TRACKPOS;
    if (!GetScrollInfo(hwnd_, SB_CTL, &si)) return false;
    const int64_t span = Span();
    const int64_t at = std::clamp<int64_t>(si.nTrackPos, 0, PlatformSpan());
    // A thumb left where it was keeps the value that a scaled bar rounded.
    if (at == PlatformPosition()) {
        value = value_;
    } else {
        value = ValueAt(span <= kPlatformSpan ? at : ScaleRounded(at, span, kPlatformSpan));
    }
    return true;
}

void ScrollBar::OnScroll(int request) {
    const int64_t position = Position();
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
        int32_t tracked = 0;
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
        const int32_t before = dragging_ ? valueBeforeDrag_ : value_;
        dragging_ = false;
        ThumbValue(value_);
        ShowPosition();
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
