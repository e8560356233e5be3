#include "create_file_recorder.h"

namespace {

CreateFileRecorder* active = nullptr;
using CreateFileFn = HANDLE(WINAPI*)(LPCSTR, DWORD, DWORD, LPSECURITY_ATTRIBUTES, DWORD, DWORD, HANDLE);
CreateFileFn passOn = nullptr;

// The program's import address table entry that holds the function's address.
void** FindImportSlot(void* function) {
    auto* base = reinterpret_cast<BYTE*>(GetModuleHandleA(nullptr));
    auto* dos = reinterpret_cast<IMAGE_DOS_HEADER*>(base);
    auto* nt = reinterpret_cast<IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    const IMAGE_DATA_DIRECTORY& dir = nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    if (dir.VirtualAddress == 0) return nullptr;
    for (auto* d = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + dir.VirtualAddress); d->Name; ++d) {
        for (auto* t = reinterpret_cast<IMAGE_THUNK_DATA*>(base + d->FirstThunk); t->u1.Function; ++t) {
            auto** slot = reinterpret_cast<void**>(&t->u1.Function);
            if (*slot == function) return slot;
        }
    }
    return nullptr;
}

void WriteSlot(void** slot, void* value) {
    DWORD old;
    VirtualProtect(slot, sizeof(void*), PAGE_READWRITE, &old);
    *slot = value;
    VirtualProtect(slot, sizeof(void*), old, &old);
}

}  // namespace

CreateFileRecorder::CreateFileRecorder() {
    original_ = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "CreateFileA"));
    slot_ = FindImportSlot(original_);
    if (!slot_ || active) {
        slot_ = nullptr;
        return;
    }
    active = this;
    passOn = reinterpret_cast<CreateFileFn>(original_);
    WriteSlot(slot_, reinterpret_cast<void*>(&Record));
}

CreateFileRecorder::~CreateFileRecorder() {
    if (!slot_) return;
    WriteSlot(slot_, original_);
    active = nullptr;
}

HANDLE WINAPI CreateFileRecorder::Record(LPCSTR path, DWORD access, DWORD share, LPSECURITY_ATTRIBUTES security,
                                         DWORD disposition, DWORD flags, HANDLE templateFile) {
    HANDLE h = passOn(path, access, share, security, disposition, flags, templateFile);
    const DWORD error = GetLastError();
    active->calls_.push_back({path ? path : "", access, share, security != nullptr,
                              security ? security->nLength : 0, disposition, flags, templateFile != nullptr,
                              h != INVALID_HANDLE_VALUE});
    SetLastError(error);
    return h;
}
