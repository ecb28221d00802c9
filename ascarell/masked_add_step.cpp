// The processor check of the AVX-512VL envelope step.
#include "masked_add_step.h"

namespace fendwick {

namespace {

bool detectAvx512()
{
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx512f") && __builtin_cpu_supports("avx512vl");
}

const bool kAvailable = detectAvx512();

}  // namespace

bool MaskedAddStep::available() { return kAvailable; }

}  // namespace fendwick
