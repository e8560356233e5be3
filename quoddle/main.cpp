#include <windows.h>

#include "quoddle/modCommand.h"
#include "rt/events.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (!quoddle::modCommand::Main()) return 0;
    return rt::RunMessageLoop();
}
