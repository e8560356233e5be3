#pragma once
// The arithmetic of fitting a picture into a square and of the viewer's
// scroll bars. Sizes are single-precision twips; every rounding is to the
// nearest whole number with a half going to the even neighbour.
namespace glimtor {

struct FittedSize {
    float width = 0;
    float height = 0;
    bool stretched = false;  // scaled down; otherwise the natural size stands
};

// A box larger than the square in either direction (strictly) is scaled so
// that its longer side becomes side; a square box by the width rule. A box
// within the square keeps its size: pictures are never enlarged.
FittedSize FitIntoSquare(float width, float height, long side);

struct Position {
    float left = 0;
    float top = 0;
};

// Centres a box in the square at (squareLeft, squareTop); the halves are
// kept as they are, so an odd difference leaves half a twip.
Position CentreInSquare(float width, float height, long side, long squareLeft, long squareTop);

// The pixel size the preview label shows: the box measured in pixels, less
// the 2-pixel border on each side.
struct PixelSize {
    long width = 0;
    long height = 0;
};
PixelSize PictureInBox(float boxWidth, float boxHeight, double twipsPerPixelX, double twipsPerPixelY);

// The viewer window's outer size is its content plus the side borders
// across, and plus the caption with the top and bottom borders down.
constexpr float kViewerFrameWidth = 90;
constexpr float kViewerFrameHeight = 330;

// Does a picture of this size fit on the screen in the viewer window
// (its borders, caption and a margin for the task bar around it)?
bool FitsOnScreen(float width, float height, float screenWidth, float screenHeight);

// The viewer's layout for a picture that does not fit on the screen.
struct ScrollLayout {
    float viewportWidth = 0;
    float viewportHeight = 0;
    bool hEnabled = false;  // the picture is wider than the room
    bool vEnabled = false;
    float windowWidth = 0;
    float windowHeight = 0;
};
ScrollLayout LayOutScrollBars(float width, float height, float screenWidth, float screenHeight, float vBarWidth,
                              float hBarHeight);

// A scroll bar's range settings.
struct ScrollRange {
    int max = 0;
    int smallChange = 1;
    int largeChange = 1;
    bool operator==(const ScrollRange&) const = default;
};
// One step of a bar is 10 twips of overhang. Settings a bar refuses (a
// maximum beyond 32 bits, a change of 0) leave the previous value.
ScrollRange RangeForOverhang(ScrollRange previous, float overhang);

// The picture's offset for a bar value: 10 twips a step, and at the bar's
// maximum (or beyond) the whole overhang, so that the picture's far edge
// meets the viewport's.
float OffsetForScrollValue(int value, int max, float overhang);

}  // namespace glimtor
