#include <windows.h>

#include "quoddle/modCommand.h"
#include "rt/app.h"

namespace quoddle::modCommand {

bool AnotherInstanceRuns() {
    static HANDLE mark = nullptr;
    if (mark) return false;
    // The mark lives as long as the process; the platform removes it at the end.
    const std::string name = "Local\\" + rt::AppTitle() + " player instance";
    HANDLE handle = CreateMutexA(nullptr, FALSE, name.c_str());
    if (!handle) return false;
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(handle);
        return true;
    }
    mark = handle;
    return false;
}

}  // namespace quoddle::modCommand
