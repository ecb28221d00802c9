// The processor check, through the compiler's builtins where it has them.
#include "processor_features.h"

#include "vector_paths.h"

namespace fendwick {

namespace {

bool detectAvx512vl()
{
#if FENDWICK_X86_VECTOR_PATHS
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
#else
    return false;
#endif
}

const bool kHasAvx512vl = detectAvx512vl();

}  // namespace

bool processorHasAvx512vl() { return kHasAvx512vl; }

}  // namespace fendwick
