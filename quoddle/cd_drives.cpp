#include "quoddle/modCommand.h"
#include "quoddle/modWin32Api.h"
#include "rt/app.h"
#include "rt/msgbox.h"

namespace quoddle::modCommand {
namespace {

std::string PlatformDriveType(const std::string& drive) { return modWin32Api::GetDriveInfo(drive, true); }

DriveTypeFunction g_driveType = PlatformDriveType;

}  // namespace

DriveTypeFunction SetDriveTypeFunction(DriveTypeFunction function) {
    const DriveTypeFunction before = g_driveType;
    g_driveType = function ? function : PlatformDriveType;
    return before;
}

bool FindCDROMs() { return FindCDROMs(rt::AppCommandLine()); }

bool FindCDROMs(const std::string& commandLine) {
    int count = 0;
    for (char letter = 'C'; letter <= 'Z'; ++letter)
        if (g_driveType(std::string(1, letter) + ":") == "CDROM") ++count;
    const std::string& title = rt::AppTitle();
    if (count == 0) {
        rt::Beep();
        rt::MsgBox("No CDROM found, cannot continue.", MB_ICONSTOP, title + " : Missing CDROM");
        return false;
    }
    if (commandLine.empty() && count >= 2)
        rt::MsgBox("WARNING : " + title + " has found a total of " + std::to_string(count) + " CDROM devices.\n" +
                       "This program only supports the primary CDROM.",
                   MB_ICONEXCLAMATION | MB_OK, title + " : Multiple CDROM's Found");
    return true;
}

}  // namespace quoddle::modCommand
