// One factory program as a family writes it down: a name and the normalized
// value of every parameter, in parameter order.
#pragma once

#include <cstdint>

namespace fendwick {

template <int32_t ParameterCount>
struct FactoryProgram {
    const char* name;  // at most 23 characters
    float value[ParameterCount];
};

}  // namespace fendwick
