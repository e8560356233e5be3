#pragma once
// For tests: the disc in this process's virtual CD drive. The driver reads it
// from a file of this process's own that FILETOOLS_VCD_DISC names, when the
// door closes and at an open of the device (where a description that differs
// from the disc in the drive puts another disc in).
#include <windows.h>

#include <string>

class VirtualDisc {
public:
    VirtualDisc() {
        char temp[MAX_PATH];
        GetTempPathA(MAX_PATH, temp);
        path_ = std::string(temp) + "virtual-cd-" + std::to_string(GetCurrentProcessId()) + ".txt";
        SetEnvironmentVariableA("FILETOOLS_VCD_DISC", path_.c_str());
    }
    ~VirtualDisc() {
        DeleteFileA(path_.c_str());
        SetEnvironmentVariableA("FILETOOLS_VCD_DISC", nullptr);
    }
    VirtualDisc(const VirtualDisc&) = delete;
    VirtualDisc& operator=(const VirtualDisc&) = delete;

    // The description as it stands: one track length (mm:ss:ff) a line.
    bool Describe(const std::string& text) const {
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
        if (file == INVALID_HANDLE_VALUE) return false;
        DWORD written = 0;
        const bool ok = WriteFile(file, text.data(), static_cast<DWORD>(text.size()), &written, nullptr) &&
                        written == text.size();
        CloseHandle(file);
        return ok;
    }
    // No description at all: an empty drive.
    void Remove() const { DeleteFileA(path_.c_str()); }

private:
    std::string path_;
};
