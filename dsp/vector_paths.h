// Whether this compiler and target build the x86 vector paths (SSE2 and the
// AVX-512 path chosen at run time); elsewhere only the scalar paths exist.
#pragma once

#if (defined(__GNUC__) || defined(__clang__)) && (defined(__x86_64__) || (defined(__i386__) && defined(__SSE2__)))
#define FENDWICK_X86_VECTOR_PATHS 1
#else
#define FENDWICK_X86_VECTOR_PATHS 0
#endif
