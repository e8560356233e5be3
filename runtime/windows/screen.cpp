#include "rt/screen.h"

#include <cmath>

namespace rt {
namespace {

int PixelsPerInch(int index) {
    HDC dc = GetDC(nullptr);
    int ppi = dc ? GetDeviceCaps(dc, index) : 96;
    if (dc) ReleaseDC(nullptr, dc);
    return ppi > 0 ? ppi : 96;
}

int PpiX() {
    static const int ppi = PixelsPerInch(LOGPIXELSX);
    return ppi;
}
int PpiY() {
    static const int ppi = PixelsPerInch(LOGPIXELSY);
    return ppi;
}

bool g_hourglass = false;

}  // namespace

double TwipsPerPixelX() { return double(kTwipsPerInch) / PpiX(); }
double TwipsPerPixelY() { return double(kTwipsPerInch) / PpiY(); }
int TwipsToPixelsX(int twips) { return int(std::lround(twips / TwipsPerPixelX())); }
int TwipsToPixelsY(int twips) { return int(std::lround(twips / TwipsPerPixelY())); }
int PixelsToTwipsX(int pixels) { return int(std::lround(pixels * TwipsPerPixelX())); }
int PixelsToTwipsY(int pixels) { return int(std::lround(pixels * TwipsPerPixelY())); }
int ScreenWidth() { return PixelsToTwipsX(GetSystemMetrics(SM_CXSCREEN)); }
int ScreenHeight() { return PixelsToTwipsY(GetSystemMetrics(SM_CYSCREEN)); }

void SetHourglass(bool on) {
    g_hourglass = on;
    // Take effect now, not only at the next mouse move.
    SetCursor(LoadCursor(nullptr, on ? IDC_WAIT : IDC_ARROW));
}

bool IsHourglass() { return g_hourglass; }

}  // namespace rt
