// A fixed white-noise generator, the same sequence on every machine and build.
#pragma once

#include <cstdint>

namespace fendwick {

// xorshift32 from a starting state; each call gives a uniform value in [-1, 1).
// Integer steps only, so the sequence never depends on the maths library.
class NoiseGenerator {
public:
    explicit NoiseGenerator(uint32_t start) : state_(start != 0 ? start : 0x9E3779B9u) {}

    float next()
    {
        state_ ^= state_ << 13;
        state_ ^= state_ >> 17;
        state_ ^= state_ << 5;
        // The top 24 bits fit a float exactly.
        const auto top = static_cast<int32_t>(state_ >> 8) - (1 << 23);
        return static_cast<float>(top) * (1.0f / static_cast<float>(1 << 23));
    }

private:
    uint32_t state_;
};

}  // namespace fendwick
