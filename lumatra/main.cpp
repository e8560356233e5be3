#include <windows.h>

#include "lumatra/frmLumatra.h"
#include "lumatra/modCommand.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    lumatra::frmLumatra window;
    return lumatra::modCommand::Main(window);
}
