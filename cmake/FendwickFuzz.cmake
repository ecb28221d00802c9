# The fuzzing build: clang's libFuzzer coverage and the address and
# undefined-behaviour sanitizers on every target of ours, undefined
# behaviour fatal so that the fuzzer keeps it as a crash; the fuzz
# executables add libFuzzer's driver themselves.
if(NOT CMAKE_CXX_COMPILER_ID STREQUAL "Clang")
  message(FATAL_ERROR "FENDWICK_FUZZ needs clang: configure with -DCMAKE_CXX_COMPILER=clang++")
endif()
if(FENDWICK_SANITIZE OR FENDWICK_SANITIZE_THREAD)
  message(FATAL_ERROR "FENDWICK_FUZZ brings its own sanitizers; leave FENDWICK_SANITIZE* off")
endif()
target_compile_options(fendwick_options INTERFACE
  -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=undefined -fno-omit-frame-pointer)
target_link_options(fendwick_options INTERFACE -fsanitize=address,undefined)
