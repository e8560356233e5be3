#include "lumatra/slide_show.h"

#include <algorithm>
#include <cmath>

namespace lumatra {

SlideOrder::SlideOrder(bool random, bool loop, unsigned seed) : random_(random), loop_(loop), generator_(seed) {}

int SlideOrder::Next(int count) {
    if (count <= 0) return 0;
    if (random_) return RandomRow(std::uniform_real_distribution<double>(0.0, 1.0)(generator_), count);
    if (row_ >= passCount_) {
        if (started_ && !loop_) return 0;
        started_ = true;
        passCount_ = count;
        row_ = 0;
    }
    return ++row_;
}

int RandomRow(double r, int count) {
    // r * count may round up to count itself when r lies just below 1.
    const int n = static_cast<int>(std::floor(r * count)) + 1;
    return std::clamp(n, 1, count);
}

double CentredPosition(double screen, double picture) { return screen / 2 - picture / 2; }

std::string SlideCaption(const std::string& path) { return path + "  [p=pause, Lmouse=end, Rmouse=next]"; }

}  // namespace lumatra
