# Strict warnings and strict IEEE arithmetic for every target of ours.
add_library(fendwick_options INTERFACE)
target_compile_options(fendwick_options INTERFACE
  -Wall -Wextra -Wpedantic -Wshadow -Wnon-virtual-dtor -Woverloaded-virtual
  -Wcast-align -Wformat=2
  # One maths on every platform: no contraction into fused multiply-adds.
  -ffp-contract=off -fno-fast-math
  $<$<BOOL:${FENDWICK_WERROR}>:-Werror>)
if(FENDWICK_SANITIZE)
  # vptr checks would need the type information of layers a library does not link.
  # The instrumentation hides index ranges the plain build proves, and GCC
  # then reports bounds on paths that cannot run (a drained pipeline's empty
  # chunk); the plain build keeps the bounds warning.
  target_compile_options(fendwick_options INTERFACE -fsanitize=address,undefined -fno-sanitize=vptr -fno-omit-frame-pointer
    -Wno-array-bounds)
  target_link_options(fendwick_options INTERFACE -fsanitize=address,undefined -fno-sanitize=vptr)
endif()
if(FENDWICK_SANITIZE_THREAD)
  target_compile_options(fendwick_options INTERFACE -fsanitize=thread -fno-omit-frame-pointer)
  target_link_options(fendwick_options INTERFACE -fsanitize=thread)
endif()
