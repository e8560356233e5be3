#include "quoddle/default_player.h"

#include <windows.h>

#include "foundation/modRegEdit.h"
#include "glimtor/file_exists.h"
#include "quoddle/modWin32Api.h"
#include "rt/app.h"
#include "rt/convert.h"

namespace defaultPlayer {

const char* const kAudioCDCommandKey = "AudioCD\\shell\\play\\command";
const char* const kTrackCommandKey = "cdafile\\shell\\play\\command";

namespace {

std::string OwnProgram() { return rt::AppPath() + "\\" + rt::AppExeName() + ".exe"; }

void WriteCommand(const char* key, const std::string& command) {
    modRegEdit::RegValue value = command;
    modRegEdit::WriteRegValue(HKEY_CLASSES_ROOT, key, "", value, false, "");
}

std::string ReadCommand(const char* key) {
    const modRegEdit::RegValue value = modRegEdit::ReadRegValue(HKEY_CLASSES_ROOT, key, "", {}, "");
    const auto* text = std::get_if<std::string>(&value);
    return text ? *text : "";
}

}  // namespace

std::string SystemPlayerFolder() {
    return modWin32Api::GetWindowsVersion() == "NT" ? modWin32Api::GetSystemDir() : modWin32Api::GetWindowsDir();
}

bool CanSwitch() {
    return modWin32Api::FileExists(SystemPlayerFolder() + "cdplayer.exe") && modWin32Api::FileExists(OwnProgram());
}

void WriteCommands(bool ours) {
    if (ours) {
        WriteCommand(kAudioCDCommandKey, OwnProgram() + " /play");
        WriteCommand(kTrackCommandKey, OwnProgram() + " %1");
        return;
    }
    const std::string player = SystemPlayerFolder() + "cdplayer.exe";
    WriteCommand(kAudioCDCommandKey, player + " /play %1");
    WriteCommand(kTrackCommandKey, player + " -play %1");
}

bool IsDefaultPlayer() {
    const std::string name = rt::UCase(rt::AppExeName());
    return rt::UCase(ReadCommand(kAudioCDCommandKey)).find(name) != std::string::npos &&
           rt::UCase(ReadCommand(kTrackCommandKey)).find(name) != std::string::npos;
}

}  // namespace defaultPlayer
