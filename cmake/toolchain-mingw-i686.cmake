# 32-bit Windows programs built with mingw-w64 on Linux, run under Wine: the
# deliverables.
set(CMAKE_SYSTEM_PROCESSOR i686)
set(MINGW_TRIPLE i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-toolchain.cmake)
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
