#pragma once
// A click as the platform's buttons see it: a left press released over the
// same window. Shared by the controls that draw themselves.
#include <windows.h>

namespace rt {

class ClickTracker {
public:
    void Press(HWND hwnd);
    // True when this release completes a click.
    bool Release(HWND hwnd, LPARAM lp);
    void Cancel() { pressed_ = false; }

private:
    bool pressed_ = false;
};

}  // namespace rt
