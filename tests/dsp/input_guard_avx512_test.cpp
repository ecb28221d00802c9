// The sixteen-frame input guard of the AVX-512 frame loops against the
// per-sample guard and silence test, at the edges of both.
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS
#include "input_guard_avx512.h"
#include "processor_features.h"
#endif
#include "sample_guards.h"
#include "silence_gate.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

namespace fendwick {
namespace {

#if FENDWICK_X86_VECTOR_PATHS

template <int Channels>
void expectSampleGuards(const std::vector<float> (&in)[2], int32_t start, int32_t n)
{
    constexpr int32_t kRoom = 64 + 16;
    std::vector<float> x[2] = {std::vector<float>(kRoom, -1.0f), std::vector<float>(kRoom, -1.0f)};
    std::vector<int32_t> quiet(kRoom, -1);
    float* const inputs[2] = {const_cast<float*>(in[0].data()), const_cast<float*>(in[1].data())};
    float* const out[2] = {x[0].data(), x[1].data()};
    const bool anyQuiet = guardInputsAvx512<Channels>(inputs, start, n, out, quiet.data());
    bool expectedAny = false;
    for (int32_t i = 0; i < n; ++i) {
        bool silent = true;
        for (int c = 0; c < Channels; ++c) {
            const float usable = usableInput(in[c][static_cast<size_t>(start + i)]);
            EXPECT_EQ(floatBits(x[c][static_cast<size_t>(i)]), floatBits(usable))
                << Channels << " channels, " << n << " frames, channel " << c << ", frame " << i;
            silent = silent && SilenceGate::nearSilent<uint32_t>(usable);
        }
        EXPECT_EQ(quiet[static_cast<size_t>(i)], silent ? 1 : 0) << n << " frames, frame " << i;
        expectedAny = expectedAny || silent;
    }
    for (int32_t i = n; i < (n + 15) / 16 * 16; ++i) {
        for (int c = 0; c < Channels; ++c) {
            EXPECT_EQ(floatBits(x[c][static_cast<size_t>(i)]), 0u) << n << " frames, past the end at " << i;
        }
    }
    EXPECT_EQ(anyQuiet, expectedAny) << Channels << " channels, " << n << " frames";
}

TEST(InputGuardAvx512, GivesEveryFrameWhatTheSampleGuardsGive)
{
    if (!processorHasAvx512vl()) {
        GTEST_SKIP() << "this processor lacks AVX-512VL";
    }
    const float inf = std::numeric_limits<float>::infinity();
    const float edges[] = {0.0f,
                           -0.0f,
                           SilenceGate::kSilenceBound,
                           -std::nextafter(SilenceGate::kSilenceBound, 0.0f),
                           kLargestInput,
                           -std::nextafter(kLargestInput, inf),
                           FLT_MIN,
                           -std::nextafter(FLT_MIN, 0.0f),
                           std::numeric_limits<float>::quiet_NaN(),
                           -inf,
                           0.5f};
    constexpr size_t kEdges = sizeof edges / sizeof edges[0];
    std::vector<float> in[2] = {std::vector<float>(80), std::vector<float>(80)};
    for (size_t i = 0; i < 80; ++i) {
        in[0][i] = edges[(i * 7) % kEdges];
        in[1][i] = edges[(i * 3 + 1) % kEdges];
    }
    // Near-silent in both channels from frame 20 on for a stretch.
    for (size_t i = 20; i < 30; ++i) {
        in[0][i] = 0.0f;
        in[1][i] = -std::nextafter(SilenceGate::kSilenceBound, 0.0f);
    }
    for (const int32_t n : {1, 5, 15, 16, 17, 33, 64}) {
        expectSampleGuards<1>(in, 3, n);
        expectSampleGuards<2>(in, 3, n);
    }
}

#endif

}  // namespace
}  // namespace fendwick
