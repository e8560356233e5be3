#pragma once
// The player's own pictures, drawn in code: the transport buttons' symbols,
// the shrink and enlarge arrows, and the program icon (a disc).
#include <windows.h>

namespace quoddle {

enum class PlayerPicture { Play, Pause, Stop, Up, Down };

// A square picture of size pixels on the button face colour; the caller
// owns it.
HBITMAP MakePlayerPicture(PlayerPicture which, int size);

// The program icon at 16 or 32 pixels; made once, owned here.
HICON PlayerIcon(int size);

}  // namespace quoddle
