// Routing file channels to plug-in inputs, and the refusals with their way out.
#include "channel_routing.h"
#include "tool_error.h"
#include "usage_error.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

// Three stereo frames: left 1, 2, 3 and right 10, 20, 30.
const float kStereo[] = {1.0f, 10.0f, 2.0f, 20.0f, 3.0f, 30.0f};

std::vector<float> channelOf(const AudioBuffer& buffer, int channel)
{
    return std::vector<float>(buffer.channel(channel), buffer.channel(channel) + 3);
}

TEST(ChannelRouting, PickMixDuplicateAndSilenceForSpareInputs)
{
    AudioBuffer two(2, 3);
    ChannelRouting(2, 2, std::nullopt, false).route(kStereo, 3, two);
    EXPECT_EQ(channelOf(two, 1), (std::vector<float>{10, 20, 30}));
    // A picked channel or the mix goes to every input.
    ChannelRouting(2, 2, 2, false).route(kStereo, 3, two);
    EXPECT_EQ(channelOf(two, 0), (std::vector<float>{10, 20, 30}));
    ChannelRouting(2, 2, std::nullopt, true).route(kStereo, 3, two);
    EXPECT_EQ(channelOf(two, 1), (std::vector<float>{5.5f, 11.0f, 16.5f}));

    // A side-chain input left over stays silent, even after louder blocks.
    AudioBuffer three(3, 3);
    std::fill(three.channel(2), three.channel(2) + 3, 9.0f);
    const ChannelRouting spare(2, 3, std::nullopt, false);
    spare.route(kStereo, 3, three);
    EXPECT_EQ(channelOf(three, 2), (std::vector<float>{0, 0, 0}));
    EXPECT_EQ(spare.description(), "2 channels to 3 inputs (the rest silent)");
}

TEST(ChannelRouting, RefusesWhatCannotBeFed)
{
    EXPECT_THROW(ChannelRouting(6, 2, std::nullopt, false), ToolError);
    EXPECT_THROW(ChannelRouting(2, 1, 0, false), ToolError);
    EXPECT_THROW(ChannelRouting(2, 0, std::nullopt, false), ToolError);
    EXPECT_THROW(ChannelRouting(2, 1, 1, true), UsageError);
}

}  // namespace
}  // namespace fendwick
