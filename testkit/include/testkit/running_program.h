#pragma once
// A program of the project started as a child process, for tests of what
// only a whole process shows: its start, its windows, its end.
#include <windows.h>

#include <chrono>
#include <string>
#include <vector>

namespace testkit {

// A Unix path as the Z: drive shows it.
std::string OnDriveZ(std::string unixPath);

// Started from its executable with the arguments after its quoted name;
// ended at the end if still running.
class RunningProgram {
public:
    explicit RunningProgram(const std::string& exe, const std::string& arguments = "");
    ~RunningProgram();
    RunningProgram(const RunningProgram&) = delete;
    RunningProgram& operator=(const RunningProgram&) = delete;

    // Its first shown form, once there (within 10 s), else null.
    HWND MainWindow() const;
    // Its visible top-level windows: the main window alone unless it says something.
    int VisibleWindows() const { return static_cast<int>(VisibleCaptions().size()); }
    // The captions of its visible top-level windows.
    std::vector<std::string> VisibleCaptions() const;

    bool EndsWithin(std::chrono::milliseconds wait, DWORD& exitCode) const;

private:
    PROCESS_INFORMATION process_{};
    bool started_ = false;
};

}  // namespace testkit
