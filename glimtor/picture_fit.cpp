#include "glimtor/picture_fit.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <optional>

namespace glimtor {

namespace {
// Rounded to even on a half, as the platform's conversions round.
double RoundHalfEven(double value) { return std::nearbyint(value); }

// A 32-bit conversion; nothing when the value does not fit.
std::optional<int> ToInt(double value) {
    double r = RoundHalfEven(value);
    if (r < INT_MIN || r > INT_MAX) return std::nullopt;
    return static_cast<int>(r);
}

// Room kept below the viewer for the task bar.
constexpr float kTaskBarRoom = 500;
}  // namespace

FittedSize FitIntoSquare(float width, float height, long side) {
    FittedSize f{width, height, false};
    if (!(width > side || height > side)) return f;
    if (width > height) {
        f.height = static_cast<float>(RoundHalfEven(static_cast<double>(height) * side / width));
        f.width = static_cast<float>(side);
    } else {
        f.width = static_cast<float>(RoundHalfEven(static_cast<double>(width) * side / height));
        f.height = static_cast<float>(side);
    }
    f.stretched = true;
    return f;
}

Position CentreInSquare(float width, float height, long side, long squareLeft, long squareTop) {
    Position p{static_cast<float>(squareLeft), static_cast<float>(squareTop)};
    if (width < side) p.left = static_cast<float>(squareLeft + (side - static_cast<double>(width)) / 2);
    if (height < side) p.top = static_cast<float>(squareTop + (side - static_cast<double>(height)) / 2);
    return p;
}

PixelSize PictureInBox(float boxWidth, float boxHeight, double twipsPerPixelX, double twipsPerPixelY) {
    constexpr long kBorderPixels = 4;
    return {static_cast<long>(RoundHalfEven(boxWidth / twipsPerPixelX)) - kBorderPixels,
            static_cast<long>(RoundHalfEven(boxHeight / twipsPerPixelY)) - kBorderPixels};
}

bool FitsOnScreen(float width, float height, float screenWidth, float screenHeight) {
    return width + kViewerFrameWidth < screenWidth && height + kTaskBarRoom + kViewerFrameHeight < screenHeight;
}

ScrollLayout LayOutScrollBars(float width, float height, float screenWidth, float screenHeight, float vBarWidth,
                              float hBarHeight) {
    ScrollLayout l;
    float roomAcross = screenWidth - vBarWidth - kViewerFrameWidth;
    l.hEnabled = roomAcross < width;
    l.viewportWidth = l.hEnabled ? roomAcross : width;
    float roomDown = screenHeight - hBarHeight - kTaskBarRoom - kViewerFrameHeight;
    l.vEnabled = roomDown < height;
    l.viewportHeight = l.vEnabled ? roomDown : height;
    l.windowWidth = l.viewportWidth + vBarWidth + kViewerFrameWidth;
    l.windowHeight = l.viewportHeight + hBarHeight + kViewerFrameHeight;
    return l;
}

ScrollRange RangeForOverhang(ScrollRange previous, float overhang) {
    ScrollRange r = previous;
    if (auto max = ToInt(overhang / 10.0)) r.max = *max;
    // A change of 0 is refused by the bar.
    auto change = [&](int divisor, int& into) {
        if (r.max <= 0) return;
        if (auto c = ToInt(r.max / static_cast<double>(divisor)); c && *c > 0) into = *c;
    };
    change(4, r.smallChange);
    change(2, r.largeChange);
    return r;
}

float OffsetForScrollValue(int value, int max, float overhang) {
    if (value >= max) return -std::max(overhang, 0.0f);
    return static_cast<float>(-10.0 * value);
}

}  // namespace glimtor
