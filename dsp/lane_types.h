// The compiler's generic vector types of the x86 vector paths; included
// only where those paths are built.
#pragma once

#include <cstdint>

namespace fendwick {

// The compiler's generic vectors of Width lanes. Spelled out per width: a
// vector size that depends on a template parameter is lost when the type is
// deduced as a template argument.
template <int Width>
struct LaneTypes;

template <>
struct LaneTypes<4> {
    typedef float Floats __attribute__((vector_size(16)));
    typedef int32_t Ints __attribute__((vector_size(16)));
    typedef uint32_t Bits __attribute__((vector_size(16)));
    typedef double Doubles __attribute__((vector_size(32)));  // the floats widened, lane for lane
};

template <>
struct LaneTypes<8> {
    typedef float Floats __attribute__((vector_size(32)));
    typedef int32_t Ints __attribute__((vector_size(32)));
    typedef uint32_t Bits __attribute__((vector_size(32)));
    typedef double Doubles __attribute__((vector_size(64)));
};

template <>
struct LaneTypes<16> {
    typedef float Floats __attribute__((vector_size(64)));
    typedef int32_t Ints __attribute__((vector_size(64)));
    typedef uint32_t Bits __attribute__((vector_size(64)));
    typedef double Doubles __attribute__((vector_size(128)));
};

// Width floats side by side as a set of lanes for the formulas written once
// for ScalarLanes and vectors alike; every lane rounds as the float alone would.
template <int Width>
struct VectorLanes {
    using Floats = typename LaneTypes<Width>::Floats;
    using Doubles = typename LaneTypes<Width>::Doubles;
    using Bits = typename LaneTypes<Width>::Bits;

    static void widen(const Floats& x, Doubles& wide) { wide = __builtin_convertvector(x, Doubles); }
    static void narrow(const Doubles& wide, Floats& x) { x = __builtin_convertvector(wide, Floats); }
};

}  // namespace fendwick
