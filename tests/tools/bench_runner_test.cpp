// One timed pass through the entry covers the whole signal, the last block short.
#include "bench_runner.h"
#include "loaded_plugin.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(BenchRunner, APassProcessesTheWholeSignalBlockByBlock)
{
    LoadedPlugin loaded(GAIN_FIXTURE_PATH);
    HostedPlugin& plugin = loaded.plugin();
    plugin.prepare(44100.0f, 64);
    plugin.setParameter(0, 0.25f);
    AudioBuffer input(1, 1000);
    for (size_t i = 0; i < 1000; ++i) {
        input.channel(0)[i] = static_cast<float>(i);
    }
    AudioBuffer blockOutput(1, 64);
    EXPECT_GT(timeReplacingPass(plugin.record(), input, blockOutput, 64), 0.0);
    // The last call was the short block of frames 960 to 999, halved.
    EXPECT_EQ(blockOutput.channel(0)[0], 480.0f);
    EXPECT_EQ(blockOutput.channel(0)[39], 499.5f);
    // Places 40 to 63 still hold the block before it (frames 896 to 959).
    EXPECT_EQ(blockOutput.channel(0)[40], 468.0f);
}

}  // namespace
}  // namespace fendwick
