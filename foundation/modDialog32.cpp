#include "foundation/modDialog32.h"

#include <shlobj.h>

#include <cstddef>

#include "rt/events.h"
#include "rt/files.h"

namespace modDialog32 {
namespace {

constexpr DWORD kFileBufferSize = 1020;
constexpr DWORD kFileTitleSize = 255;
constexpr DWORD kFolderPathSize = 512;

// The record of the platforms before Windows 2000: the request ends at
// lpTemplateName there (76 bytes in the 32-bit build).
constexpr DWORD kFileRequestSize = offsetof(OPENFILENAMEA, lpTemplateName) + sizeof(LPCSTR);
#ifndef _WIN64
static_assert(kFileRequestSize == 76);
static_assert(sizeof(SHELLEXECUTEINFOA) == 60);
#endif

constexpr DWORD kOpenFlags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
constexpr DWORD kOpenExplorerFlags = OFN_EXPLORER | OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST;
constexpr DWORD kOpenMultiFlags = kOpenExplorerFlags | OFN_ALLOWMULTISELECT | OFN_HIDEREADONLY;
constexpr DWORD kSaveFlags = OFN_PATHMUSTEXIST | OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY;
static_assert(kOpenFlags == 0x1804 && kOpenExplorerFlags == 0x81800 && kOpenMultiFlags == 0x81A04 &&
              kSaveFlags == 0x806);

constexpr ULONG kPropertiesMask = SEE_MASK_INVOKEIDLIST | SEE_MASK_NOCLOSEPROCESS | SEE_MASK_FLAG_NO_UI;
static_assert(kPropertiesMask == 0x44C);

DWORD FileDialogFlags(int mode, std::optional<bool> multiSelect) {
    if (mode != kOpenDialog) return kSaveFlags;
    if (!multiSelect) return kOpenFlags;
    return *multiSelect ? kOpenMultiFlags : kOpenExplorerFlags;
}

// "" reaches the dialog as no text at all: no default extension, the
// dialog's own folder and caption.
const char* TextOrNull(const std::string& text) { return text.empty() ? nullptr : text.c_str(); }

// The returned buffer holds NUL-separated parts up to an empty one: one full
// path, or (multiple pick) the folder followed by each file name.
std::string JoinPickedParts(const std::string& buffer, bool multiSelect) {
    std::string result;
    size_t start = 0;
    size_t nul;
    while ((nul = buffer.find('\0', start)) != std::string::npos && nul > start) {
        if (start > 0) result += ',';
        result.append(buffer, start, nul - start);
        start = nul + 1;
        rt::DoEvents();
        // A single pick ends in one NUL; what follows it may be left over
        // from a longer initial file name.
        if (!multiSelect) break;
    }
    return result;
}

}  // namespace

std::string BrowseForFolder(HWND owner, const std::string& title) {
    BROWSEINFOA request{};
    request.hwndOwner = owner;
    request.lpszTitle = title.c_str();
    request.ulFlags = BIF_RETURNONLYFSDIRS;
    LPITEMIDLIST chosen = SHBrowseForFolderA(&request);
    if (!chosen) return "";
    char path[kFolderPathSize] = {};
    BOOL converted = SHGetPathFromIDListA(chosen, path);
    CoTaskMemFree(chosen);
    return converted ? std::string(path) : "";
}

std::string ShowFileDialog(HWND owner, int mode, const std::string& title,
                           const std::string& initialFileName, const std::string& filter,
                           const std::string& initialFolder, const std::string& defaultExtension,
                           std::optional<bool> multiSelect) {
    if (initialFileName.size() > kFileBufferSize) return "";
    std::string fileBuffer = initialFileName;
    fileBuffer.resize(kFileBufferSize, '\0');
    std::string fileTitle(kFileTitleSize, '\0');
    // The platform wants the filter ended by two NULs; c_str() adds the second.
    std::string filterText = filter + '\0';

    OPENFILENAMEA request{};
    request.lStructSize = kFileRequestSize;
    request.hwndOwner = owner;
    request.lpstrFilter = filter.empty() ? nullptr : filterText.c_str();
    request.nFilterIndex = 1;
    request.lpstrFile = fileBuffer.data();
    request.nMaxFile = kFileBufferSize;
    request.lpstrFileTitle = fileTitle.data();
    request.nMaxFileTitle = kFileTitleSize;
    request.lpstrInitialDir = TextOrNull(initialFolder);
    request.lpstrTitle = TextOrNull(title);
    request.Flags = FileDialogFlags(mode, multiSelect);
    request.lpstrDefExt = TextOrNull(defaultExtension);

    BOOL picked = mode == kOpenDialog ? GetOpenFileNameA(&request) : GetSaveFileNameA(&request);
    if (!picked) return "";
    return JoinPickedParts(fileBuffer, (request.Flags & OFN_ALLOWMULTISELECT) != 0);
}

int ShowFileProperties(HWND owner, const std::string& path) {
    if (!rt::NameablePath(path)) return SE_ERR_FNF;
    SHELLEXECUTEINFOA request{};
    request.cbSize = sizeof request;
    request.fMask = kPropertiesMask;
    request.hwnd = owner;
    request.lpVerb = "properties";
    request.lpFile = path.c_str();
    request.lpParameters = "";
    request.lpDirectory = "";
    request.nShow = SW_HIDE;
    ShellExecuteExA(&request);
    if (request.hProcess) CloseHandle(request.hProcess);
    return static_cast<int>(reinterpret_cast<INT_PTR>(request.hInstApp));
}

}  // namespace modDialog32
