# Cross build for 32-bit Windows with the win32 thread-model MinGW-w64 compiler: the shipped
# program.
set(CMAKE_SYSTEM_PROCESSOR x86)
set(TOOLCHAIN_PREFIX i686-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

# 32-bit Wine's own loader; it starts only where the kernel runs 32-bit Linux programs.
set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine)
