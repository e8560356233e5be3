// Sleeps for argv[1] milliseconds, then creates the file argv[2].
#include <windows.h>

#include <cstdlib>

int main(int argc, char** argv) {
    if (argc < 3) return 2;
    Sleep(static_cast<DWORD>(std::atoi(argv[1])));
    HANDLE file = CreateFileA(argv[2], GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 1;
    CloseHandle(file);
    return 0;
}
