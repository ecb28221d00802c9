// One factory program: the normalized parameter values and a name.
#pragma once

#include "vst2_abi.h"

#include <cstdint>

namespace fendwick {

template <int32_t ParameterCount>
struct Program {
    float value[ParameterCount];
    char name[kProgramNameSize];  // 23 characters and the terminator
};

}  // namespace fendwick
