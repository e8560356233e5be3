#include <windows.h>

#include "filelist/list_program.h"
#include "quarnel/frmQuarnel.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    quarnel::frmQuarnel window;
    return filelist::RunListProgram(window);
}
