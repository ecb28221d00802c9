# Cross builds for 64-bit Windows with Debian's mingw-w64 compilers.
set(MINGW_ARCH x86_64)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
