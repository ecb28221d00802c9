// The soak's input: every kind of passage turns up, never past +18 dB, and a starting value replays it.
#include "soak_signal.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

constexpr double kRateHz = 48000.0;
constexpr size_t kBlock = 512;
// Three minutes: some forty passages.
constexpr size_t kBlocks = 3 * 60 * 48000 / kBlock;

struct Seen {
    size_t silentBlocks = 0;
    size_t overloadedBlocks = 0;
    float peak = 0.0f;
    double sum = 0.0;
};

Seen play(uint32_t start, int channels)
{
    std::mt19937 random(start);
    SoakSignal signal(kRateHz, channels, random);
    std::vector<std::vector<float>> buffers(static_cast<size_t>(channels), std::vector<float>(kBlock));
    std::vector<float*> pointers;
    for (auto& buffer : buffers) {
        pointers.push_back(buffer.data());
    }
    Seen seen;
    for (size_t block = 0; block < kBlocks; ++block) {
        signal.fill(pointers, kBlock);
        float blockPeak = 0.0f;
        for (const auto& buffer : buffers) {
            for (const float x : buffer) {
                blockPeak = std::max(blockPeak, std::fabs(x));
                seen.sum += x;
            }
        }
        seen.silentBlocks += blockPeak == 0.0f ? 1 : 0;
        seen.overloadedBlocks += blockPeak > 1.0f ? 1 : 0;
        seen.peak = std::max(seen.peak, blockPeak);
    }
    return seen;
}

TEST(SoakSignal, EveryStartPlaysSilencesAndOverloadsWithinBoundsAndReplays)
{
    const float loudest = static_cast<float>(std::pow(10.0, 18.0 / 20.0));
    for (const auto& [start, channels] : {std::pair<uint32_t, int>{1, 1}, {20261208, 2}}) {
        const Seen seen = play(start, channels);
        EXPECT_GT(seen.silentBlocks, 0u) << start;
        EXPECT_GT(seen.overloadedBlocks, 0u) << start;
        EXPECT_LE(seen.peak, loudest) << start;
        EXPECT_LT(seen.silentBlocks + seen.overloadedBlocks, kBlocks / 2) << start << ": mostly music and noise";
        EXPECT_EQ(play(start, channels).sum, seen.sum) << start << ": the same start, the same signal";
    }
}

}  // namespace
}  // namespace fendwick
