#pragma once
// Screen size, twips per pixel and the mouse pointer.
#include <windows.h>

namespace rt {

constexpr int kTwipsPerInch = 1440;

// From the screen's real pixels per inch (15 at 96 dpi).
double TwipsPerPixelX();
double TwipsPerPixelY();
int TwipsToPixelsX(int twips);
int TwipsToPixelsY(int twips);
int PixelsToTwipsX(int pixels);
int PixelsToTwipsY(int pixels);
// The screen's size in twips.
int ScreenWidth();
int ScreenHeight();

// The program-wide mouse pointer: the hourglass over every window of the
// program while a long operation runs, or the normal pointer.
void SetHourglass(bool on);
bool IsHourglass();

// Shows the hourglass for one scope; restores the normal pointer at its end.
class HourglassScope {
public:
    HourglassScope() { SetHourglass(true); }
    ~HourglassScope() { SetHourglass(false); }
    HourglassScope(const HourglassScope&) = delete;
    HourglassScope& operator=(const HourglassScope&) = delete;
};

}  // namespace rt
