#include "filelist/list_program.h"

#include "foundation/main_window.h"
#include "rt/app.h"
#include "rt/error.h"
#include "rt/events.h"

namespace filelist {

bool StartListProgram(ListWindow& window, const std::string& commandLine) {
    window.Show();
    if (!window.IsLoaded()) {
        foundation::ShowStartFailure(rt::LastError());
        return false;
    }
    window.Refresh();
    if (!commandLine.empty()) window.LoadFromFile(commandLine);
    return true;
}

int RunListProgram(ListWindow& window) {
    if (!StartListProgram(window, rt::AppCommandLine())) return 1;
    return rt::RunMessageLoop();
}

}  // namespace filelist
