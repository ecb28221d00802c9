# Cross builds for 32-bit Windows with Debian's mingw-w64 compilers (posix thread model, linked statically).
set(CMAKE_SYSTEM_NAME Windows)
set(CMAKE_SYSTEM_PROCESSOR i686)
set(CMAKE_C_COMPILER i686-w64-mingw32-gcc-posix)
set(CMAKE_CXX_COMPILER i686-w64-mingw32-g++-posix)
set(CMAKE_RC_COMPILER i686-w64-mingw32-windres)
set(CMAKE_FIND_ROOT_PATH /usr/i686-w64-mingw32)
set(CMAKE_FIND_ROOT_PATH_MODE_PROGRAM NEVER)
set(CMAKE_FIND_ROOT_PATH_MODE_LIBRARY ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_INCLUDE ONLY)
set(CMAKE_FIND_ROOT_PATH_MODE_PACKAGE ONLY)
# Programs built here run under wine on the build machine.
set(CMAKE_CROSSCOMPILING_EMULATOR wine)
# SSE2 arithmetic instead of the x87 stack, whose 80-bit intermediates would
# round floats differently from the 64-bit builds.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
