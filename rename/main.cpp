#include <windows.h>

#include "filelist/list_program.h"
#include "rename/frmRename.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    renamer::frmRename window;
    return filelist::RunListProgram(window);
}
