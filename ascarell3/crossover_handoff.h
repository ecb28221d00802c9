// The crossover points the setters leave, handed whole to the audio thread.
#pragma once

#include "crossover_split_points.h"
#include "three_band_crossover.h"

#include <atomic>
#include <cstdint>
#include <cstring>

namespace fendwick {

// A setter on the host's or the editor's thread posts the coupled pair as
// one word; the audio thread sets the crossover from the newest pair at the
// start of a block. Recomputing the sections on the setter's thread instead
// let a block run on coefficients half of one cutoff and half of another,
// which can be unstable enough to drive the output to infinity. Until the
// first pair is delivered the crossover keeps what it was made with.
class CrossoverHandoff {
public:
    void post(CrossoverSplitPoints points) { posted.store(pack(points), std::memory_order_release); }

    // Audio thread: the crossover's cutoffs from the newest pair, recomputed
    // only when it differs from the last one delivered.
    void deliverTo(ThreeBandCrossover& crossover)
    {
        const uint64_t word = posted.load(std::memory_order_acquire);
        if (word == kNothingPosted || word == delivered) {
            return;
        }
        delivered = word;
        const CrossoverSplitPoints points = unpack(word);
        crossover.setCutoffs(points.loMid, points.midHi);
    }

private:
    // All bits set is a NaN pair, which no setter posts (the host adapter
    // clamps every value into 0..1).
    static constexpr uint64_t kNothingPosted = ~uint64_t{0};

    static uint64_t pack(CrossoverSplitPoints points)
    {
        uint32_t lo = 0;
        uint32_t hi = 0;
        std::memcpy(&lo, &points.loMid, sizeof lo);
        std::memcpy(&hi, &points.midHi, sizeof hi);
        return uint64_t{lo} | (uint64_t{hi} << 32);
    }

    static CrossoverSplitPoints unpack(uint64_t word)
    {
        const auto lo = static_cast<uint32_t>(word);
        const auto hi = static_cast<uint32_t>(word >> 32);
        CrossoverSplitPoints points;
        std::memcpy(&points.loMid, &lo, sizeof lo);
        std::memcpy(&points.midHi, &hi, sizeof hi);
        return points;
    }

    std::atomic<uint64_t> posted{kNothingPosted};
    uint64_t delivered = kNothingPosted;  // audio thread only
};

}  // namespace fendwick
