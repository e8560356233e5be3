#pragma once
// The show's arithmetic: which row comes next, where a picture stands, what
// its caption reads.
#include <random>
#include <string>

namespace lumatra {

// The rows of a show, 1-based: in list order, once or looping (the row count
// is read again at the start of each pass), or at random with repeats and no
// end.
class SlideOrder {
public:
    SlideOrder(bool random, bool loop, unsigned seed);
    // The next row of a list of count rows; 0 when the show has run out.
    int Next(int count);

private:
    bool random_;
    bool loop_;
    std::mt19937 generator_;
    int row_ = 0;
    int passCount_ = 0;
    bool started_ = false;
};

// A uniform r in [0, 1) as a row from 1 to count.
int RandomRow(double r, int count);

// Left (or top) of a picture centred on the screen along one axis, in
// twips; negative for a picture larger than the screen.
double CentredPosition(double screen, double picture);

// The caption over the show: the picture's path and the key help.
std::string SlideCaption(const std::string& path);

}  // namespace lumatra
