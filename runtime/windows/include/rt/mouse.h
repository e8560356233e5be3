#pragma once
// Mouse events as forms and controls raise them.
#include <windows.h>

#include <functional>

namespace rt {

enum class MouseAction { Down, Up, Move };

// button: 1 left, 2 right, 4 middle (on a move, the buttons held, added up);
// shift: 1 Shift, 2 Ctrl, 4 Alt; x, y: in twips from the window's client corner.
struct MouseEvent {
    MouseAction action;
    int button;
    int shift;
    float x;
    float y;
};

// The event a window's mouse message stands for; false for any other message.
// A double click of the right or middle button counts as a press.
bool MouseEventFrom(UINT msg, WPARAM wp, LPARAM lp, MouseEvent& event);

// A list's MouseUp for a button released over it, x and y in whole twips;
// any other message raises nothing.
void RaiseMouseUp(const std::function<void(int button, int shift, int x, int y)>& handler, UINT msg, WPARAM wp,
                  LPARAM lp);

}  // namespace rt
