# Cross build for 64-bit Windows with the win32 thread-model MinGW-w64 compiler.
# The shipped program is 32-bit; this build of the same sources runs the Windows-side tests under
# 64-bit Wine where the kernel cannot start 32-bit Wine.
set(CMAKE_SYSTEM_PROCESSOR AMD64)
set(TOOLCHAIN_PREFIX x86_64-w64-mingw32)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-common.cmake)

set(CMAKE_CROSSCOMPILING_EMULATOR /usr/lib/wine/wine64)
