#pragma once
// Runs a show window modally while a script acts on it as the user and the
// platform would: each step runs at a later turn of the message loop, once
// the step's condition holds.
#include <functional>
#include <string>
#include <vector>

#include "lumatra/frmSlide.h"

namespace lumatra_test {

struct ShowStep {
    std::function<bool()> ready;  // empty: at the next turn
    std::function<void()> act;
};

// Runs show modally through the steps; false (and a test failure) when the
// show had not ended a few seconds after the last step.
bool RunShow(lumatra::frmSlide& show, std::vector<ShowStep> steps);

// Runs fn at a later turn of the message loop (after what is pending now).
void Later(std::function<void()> fn);

// Runs fn when window is about to be destroyed, its children still there.
// One at a time.
void AtDestroy(HWND window, std::function<void()> fn);

// Input as the platform delivers it to the show.
void TypeChar(const lumatra::frmSlide& show, char c);
void PressKey(const lumatra::frmSlide& show, int virtualKey);  // a key that gives no character
void Click(HWND where, int button);                            // 1 left, 2 right, 4 middle

}  // namespace lumatra_test
