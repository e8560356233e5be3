#pragma once
// Our own pictures, drawn in code: the program icon and the toolbar images.
#include <windows.h>
#include <commctrl.h>

namespace rt {

// The window icon (a folder with a list), size 16 or 32 pixels; made once.
HICON ProgramIcon(int size);

// The toolbar pictures, 20 x 20 each, in this order.
enum class Picture {
    Browse, Input, AddAll, Add, Recurse, RemoveAll, Remove, Load, Save, Help,
    Attrib, Rename, Settings, SlideShow, Cancel, Apply, Open, Properties, Delete,
    Count
};
constexpr int kPictureSize = 20;

// The 19 pictures as an image list: normal (muted) or hot (under the mouse).
// Made once per kind; the list belongs to the runtime.
HIMAGELIST ToolbarImages(bool hot);

}  // namespace rt
