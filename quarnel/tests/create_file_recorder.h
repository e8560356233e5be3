#pragma once
// Records every CreateFileA call this test program makes, by pointing its
// import of CreateFileA at a recorder that passes each call on unchanged.
// One recorder at a time; the import is restored when it ends.
#include <windows.h>

#include <string>
#include <vector>

struct CreateFileCall {
    std::string path;
    DWORD access = 0;
    DWORD share = 0;
    bool hasSecurity = false;
    DWORD securityLength = 0;
    DWORD disposition = 0;
    DWORD flags = 0;
    bool hasTemplate = false;
    bool opened = false;
};

class CreateFileRecorder {
public:
    CreateFileRecorder();
    ~CreateFileRecorder();
    CreateFileRecorder(const CreateFileRecorder&) = delete;
    CreateFileRecorder& operator=(const CreateFileRecorder&) = delete;

    bool installed() const { return slot_ != nullptr; }
    const std::vector<CreateFileCall>& calls() const { return calls_; }

private:
    static HANDLE WINAPI Record(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                DWORD disposition, DWORD flags, HANDLE templateFile);
    void** slot_ = nullptr;
    void* original_ = nullptr;
    std::vector<CreateFileCall> calls_;
};
