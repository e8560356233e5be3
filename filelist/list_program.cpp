#include "filelist/list_program.h"

#include "rt/app.h"
#include "rt/error.h"
#include "rt/events.h"
#include "rt/msgbox.h"

namespace filelist {

void ReportStartFailure() {
    rt::Error err = rt::LastError();
    rt::Beep();
    rt::MsgBox("Error loading main form: " + err.description, MB_ICONSTOP | MB_OK, rt::AppTitle() + " : Error");
}

bool StartListProgram(ListWindow& window, const std::string& commandLine) {
    window.Show();
    if (!window.IsLoaded()) {
        ReportStartFailure();
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
