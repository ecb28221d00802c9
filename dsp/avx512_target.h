// The attribute that compiles a function for AVX-512VL, for the code of the
// frame loops' AVX-512 paths written in its intrinsics: those paths run only
// where the processor has it, and nothing else may be built for it.
#pragma once

#define FENDWICK_AVX512_TARGET __attribute__((target("avx512f,avx512vl")))
