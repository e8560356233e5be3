#include "rt/error.h"

#include <windows.h>

namespace rt {

std::string ErrorText(unsigned long code) {
    char* buffer = nullptr;
    DWORD n = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text(buffer ? buffer : "", n);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\r' || text.back() == '\n' || text.back() == ' '))
        text.pop_back();
    // A message box that says "Error saving file list, " and nothing else helps nobody.
    if (text.empty()) text = "Error " + std::to_string(code);
    return text;
}

Error LastError() {
    DWORD code = GetLastError();
    // The call failed even if it left no code: an Error of 0 would read as success.
    if (code == 0) code = ERROR_GEN_FAILURE;
    return {code, ErrorText(code)};
}

}  // namespace rt
