// A meter's run folded in vectors publishes, bit for bit, what the meter
// publishes gathering the same frames one at a time: levels and gains, runs
// anywhere in a chunk's row, on every vector width this build and processor run.
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS

#include "frame_lanes.h"
#include "meter_fold_vectors.h"
#include "sample_guards.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>

namespace fendwick {
namespace {

// What a meter starting at its rest value publishes once the run is in.
template <class Gather>
uint32_t publishedAfter(MeterKind kind, int32_t count, Gather gather)
{
    MeterChannel meter(kind, 0);
    gather(meter);
    EXPECT_TRUE(meter.gather(0.5f, count));
    return floatBits(meter.value());
}

TEST(MeterFoldVectors, ARunFoldedGivesWhatTheMeterGathersFrameByFrame)
{
    const struct { int32_t first; int32_t count; } runs[] = {
        {0, 32}, {0, 1}, {31, 1}, {5, 11}, {15, 2}, {16, 16}, {3, 29}, {12, 9}, {1, 30}};
    std::mt19937 random(9u);
    std::uniform_real_distribution<float> spread(-1.6f, 1.6f);
    for (const MeterKind kind : {MeterKind::level, MeterKind::gain}) {
        alignas(64) float row[32];
        for (int pass = 0; pass < 40; ++pass) {
            for (float& q : row) {
                q = spread(random);
                q = kind == MeterKind::gain && q < 0.0f ? -q : q;  // gains are never negative
            }
            row[random() % 32] = std::numeric_limits<float>::quiet_NaN();  // never taken
            row[random() % 32] = kind == MeterKind::level ? -0.0f : 0.0f;
            for (const auto& run : runs) {
                const uint32_t bits = 1u << run.first;
                const uint32_t inRun = run.count == 32 ? ~0u : ((bits << run.count) - bits);
                const std::string what = "kind " + std::to_string(static_cast<int>(kind)) + " run from " +
                                         std::to_string(run.first) + " of " + std::to_string(run.count);
                const uint32_t expected = publishedAfter(kind, run.count, [&](MeterChannel& m) {
                    for (int32_t i = run.first; i < run.first + run.count; ++i) {
                        m.gather(kind == MeterKind::level ? std::fabs(row[i]) : row[i], run.count);
                    }
                });
                EXPECT_EQ(publishedAfter(kind, run.count,
                                         [&](MeterChannel& m) {
                                             m.gatherFolded(MeterFoldVectors<4>::fold(kind, row, inRun), run.count);
                                         }),
                          expected)
                    << what << " in four lanes";
                if (canRunFrameLanes(FrameLanes::avx512)) {
                    EXPECT_EQ(publishedAfter(kind, run.count,
                                             [&](MeterChannel& m) {
                                                 m.gatherFolded(MeterFoldVectors<16>::fold(kind, row, inRun),
                                                                run.count);
                                             }),
                              expected)
                        << what << " in sixteen lanes";
                }
            }
        }
    }
}

}  // namespace
}  // namespace fendwick

#endif
