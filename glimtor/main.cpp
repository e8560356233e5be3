#include <windows.h>

#include "glimtor/modCommand.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) { return glimtor::modCommand::Main(); }
