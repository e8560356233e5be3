#include "testkit/running_program.h"

#include <algorithm>
#include <thread>

namespace testkit {

namespace {

struct Found {
    DWORD process = 0;
    HWND form = nullptr;
    std::vector<std::string> captions;
};

BOOL CALLBACK Visit(HWND w, LPARAM param) {
    auto* found = reinterpret_cast<Found*>(param);
    DWORD process = 0;
    GetWindowThreadProcessId(w, &process);
    if (process != found->process || !IsWindowVisible(w)) return TRUE;
    char text[256] = {};
    GetWindowTextA(w, text, sizeof text);
    found->captions.push_back(text);
    char cls[64] = {};
    GetClassNameA(w, cls, sizeof cls);
    if (!found->form && std::string(cls) == "FileToolsForm") found->form = w;
    return TRUE;
}

Found Windows(DWORD process) {
    Found found;
    found.process = process;
    EnumWindows(&Visit, reinterpret_cast<LPARAM>(&found));
    return found;
}

}  // namespace

std::string OnDriveZ(std::string unixPath) {
    std::replace(unixPath.begin(), unixPath.end(), '/', '\\');
    return "Z:" + unixPath;
}

RunningProgram::RunningProgram(const std::string& exe, const std::string& arguments) {
    STARTUPINFOA si{};
    si.cb = sizeof si;
    std::string commandLine = "\"" + exe + "\"" + (arguments.empty() ? "" : " " + arguments);
    started_ = CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si,
                              &process_) != 0;
}

RunningProgram::~RunningProgram() {
    if (!started_) return;
    if (WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT) TerminateProcess(process_.hProcess, 1);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

HWND RunningProgram::MainWindow() const {
    for (int i = 0; started_ && i < 200; ++i) {
        if (HWND w = Windows(process_.dwProcessId).form) return w;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
    }
    return nullptr;
}

std::vector<std::string> RunningProgram::VisibleCaptions() const { return Windows(process_.dwProcessId).captions; }

bool RunningProgram::EndsWithin(std::chrono::milliseconds wait, DWORD& exitCode) const {
    if (!started_ || WaitForSingleObject(process_.hProcess, static_cast<DWORD>(wait.count())) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

}  // namespace testkit
