#pragma once
// Message and input boxes, and the beep.
#include <windows.h>

#include <string>

namespace rt {

// MessageBoxA over the active window of the program; style is the platform's
// MB_ icon and button flags. Returns the button pressed (IDOK, IDYES, ...).
int MsgBox(const std::string& text, UINT style, const std::string& title);
// The same without allocating, for reporting that memory ran out.
int MsgBox(const char* text, UINT style, const char* title) noexcept;

// A modal box with a prompt, an edit field and OK / Cancel. Returns the
// text typed, or "" after Cancel or the close box.
std::string InputBox(const std::string& prompt, const std::string& title,
                     const std::string& defaultText = "");

// The platform's default sound.
void Beep();

}  // namespace rt
