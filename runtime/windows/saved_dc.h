#pragma once
// A device context's state (clipping, origins, modes) saved for one drawing
// and put back when it is done.
#include <windows.h>

namespace rt {

class SavedDC {
public:
    explicit SavedDC(HDC dc) : dc_(dc), saved_(SaveDC(dc)) {}
    ~SavedDC() {
        if (saved_) RestoreDC(dc_, saved_);
    }
    SavedDC(const SavedDC&) = delete;
    SavedDC& operator=(const SavedDC&) = delete;

private:
    HDC dc_;
    int saved_;
};

}  // namespace rt
