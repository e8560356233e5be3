// The start procedure and the command line: they show the player's windows.
#include <exception>

#include "quoddle/frmQuoddle.h"
#include "quoddle/frmTray.h"
#include "quoddle/modCommand.h"
#include "quoddle/modMCI32Api.h"
#include "rt/app.h"
#include "rt/events.h"
#include "rt/msgbox.h"

namespace quoddle::modCommand {

void ProcessCommandLine() { ProcessCommandLine(rt::AppCommandLine()); }

void ProcessCommandLine(const std::string& commandLine) {
    if (!bolMainOpen) quoddle::ThePlayer().Show();
    const CommandLineRequest request = ReadCommandLine(commandLine);
    switch (request.kind) {
    case CommandLineRequest::Kind::PlayDisc: modMCI32Api::PlayCD(); break;
    case CommandLineRequest::Kind::PlayTrack: modMCI32Api::PlayTrack(request.track); break;
    case CommandLineRequest::Kind::Nothing: break;
    }
}

bool Main() {
    const std::string& title = rt::AppTitle();
    try {
        if (AnotherInstanceRuns()) return false;
        if (!FindCDROMs()) return false;
        if (modMCI32Api::InitCD() != 0) {
            rt::Beep();
            rt::MsgBox("Error loading multimedia CD subsystem.", MB_ICONSTOP | MB_OK, title + " : CD Error");
            return false;
        }
        // Only a test: the player window opens the device again when it loads.
        modMCI32Api::CloseAll();
        LoadSettings();
        if (TrayMode())
            quoddle::TheTray().Load();
        else
            quoddle::ThePlayer().Show();
        // The window's activation marks it open before the command line asks.
        rt::DoEvents();
        const std::string commandLine = rt::AppCommandLine();
        if (!commandLine.empty()) ProcessCommandLine(commandLine);
        return true;
    } catch (const std::exception& e) {
        rt::Beep();
        rt::MsgBox(std::string("Error loading main form: ") + e.what(), MB_ICONSTOP, title + " : Error");
        return false;
    }
}

}  // namespace quoddle::modCommand
