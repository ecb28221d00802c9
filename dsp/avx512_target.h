// The target attribute of every function that uses AVX-512VL intrinsics;
// such functions run only where processorHasAvx512vl() says so.
#pragma once

// Per function, never for a whole translation unit: an inline function of a
// shared header compiled there with AVX-512 could be the copy the linker keeps
// for the paths without it.
#define FENDWICK_AVX512 __attribute__((target("avx512f,avx512vl")))
