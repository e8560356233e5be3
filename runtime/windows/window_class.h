#pragma once
// The window classes of the runtime's own windows (forms, images, picture
// boxes): each is registered once, with the platform's default procedure,
// since every window of ours is subclassed by its object.
#include <windows.h>

namespace rt {

void RegisterWindowClass(const char* name, UINT style, HBRUSH background);

}  // namespace rt
