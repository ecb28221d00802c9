# Cross builds for 32-bit Windows with Debian's mingw-w64 compilers.
set(MINGW_ARCH i686)
include(${CMAKE_CURRENT_LIST_DIR}/mingw-w64.cmake)
# SSE2 arithmetic instead of the x87 stack, whose 80-bit intermediates would
# round floats differently from the 64-bit builds.
set(CMAKE_CXX_FLAGS_INIT "-msse2 -mfpmath=sse")
