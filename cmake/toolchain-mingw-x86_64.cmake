# The same sources built as 64-bit Windows programs, for testing on hosts that
# cannot run 32-bit code. The deliverables remain the i686 build.
set(CMAKE_SYSTEM_PROCESSOR x86_64)
set(MINGW_TRIPLE x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
# /usr/bin/wine would pick the 32-bit loader wherever wine32 is installed.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
