// The host's record of requests stays bounded, however often a plug-in calls.
#include "audio_buffer.h"
#include "block_processing.h"
#include "hosted_plugin.h"
#include "request_log.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

TEST(RequestLog, KeepsTheNewestInArrivalOrderAndCountsEveryOne)
{
    RequestLog log(3);
    for (int32_t index = 0; index < 5; ++index) {
        log.record(HostRequest{HostOpcode::automate, index, 0, 0.0f});
    }
    std::vector<int32_t> kept;
    for (const HostRequest& request : log.recent()) {
        kept.push_back(request.index);
    }
    EXPECT_EQ(kept, (std::vector<int32_t>{2, 3, 4}));
    EXPECT_EQ(log.total(), 5u);

    log.clear();
    EXPECT_TRUE(log.recent().empty());
    log.record(HostRequest{HostOpcode::idle, 9, 0, 0.0f});
    ASSERT_EQ(log.recent().size(), 1u);
    EXPECT_EQ(log.recent()[0].index, 9);
    EXPECT_EQ(log.total(), 1u);
}

TEST(RequestLog, APluginCallingInEverySampleStaysWithinTheBound)
{
    const PluginLibrary library(CHATTY_FIXTURE_PATH);
    HostedPlugin plugin(library);
    plugin.prepare(44100.0f, 512);
    constexpr size_t kFrames = 100000;
    AudioBuffer input(1, kFrames);
    AudioBuffer output(1, kFrames);
    processReplacingInBlocks(plugin, input, output, 512);
    const std::vector<HostRequest> kept = plugin.requests();
    EXPECT_EQ(kept.size(), HostedPlugin::kKeptRequests);
    EXPECT_GE(plugin.requestCount(), kFrames);
    EXPECT_EQ(kept.back().opcode, HostOpcode::automate);
}

}  // namespace
}  // namespace fendwick
