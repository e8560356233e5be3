#pragma once
// The one road to the CD device: every command string of the MCI layer goes
// through MciSend, the only caller of mciSendStringA. Tests put a recorder in
// its place.
#include <windows.h>
#include <mmsystem.h>

#include <string>

namespace modMCI32Api {

using MciSendStringFunction = MCIERROR(WINAPI*)(LPCSTR command, LPSTR reply, UINT replyLength, HWND callback);

// Sends one command string with no callback window; the reply buffer holds
// replyLength characters.
MCIERROR MciSend(const std::string& command, char* reply, UINT replyLength);

// Puts another function in the place of mciSendStringA (nullptr: the real
// one again) and returns the one that was there.
MciSendStringFunction SetMciSendString(MciSendStringFunction function);

}  // namespace modMCI32Api
