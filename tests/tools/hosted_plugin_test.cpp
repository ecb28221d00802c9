// Driving instances as a host: the callback's answers and records, creation
// failures, closing, texts and both processing entries.
#include "audio_buffer.h"
#include "benchmark_signal.h"
#include "hosted_plugin.h"
#include "hosting_error.h"
#include "plugin_library.h"
#include "test_plugins.h"

#include <gtest/gtest.h>

#include <memory>

namespace fendwick {
namespace {

// The gain fixture reports through vendor-specific requests what it learnt.
constexpr int32_t kAskVersionAnswer = 0;
constexpr int32_t kAskSampleRate = 1;
constexpr int32_t kAskBlockSize = 2;
constexpr int32_t kAskLiveInstances = 3;

intptr_t query(HostedPlugin& plugin, int32_t what)
{
    return plugin.dispatch(EffectOpcode::vendorSpecific, what);
}

std::string creationFailure(const PluginLibrary& library, HostCallback callback)
{
    try {
        HostedPlugin plugin(library, callback);
    } catch (const HostingError& error) {
        return error.what();
    }
    return {};
}

intptr_t refuseEveryRequest(EffectRecord*, int32_t, int32_t, intptr_t, void*, float)
{
    return 0;
}

int callerCallbackCalls = 0;

intptr_t countingCallback(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    ++callerCallbackCalls;
    return opcode == HostOpcode::version ? 2300 : 0;
}

class HostedFixture : public testing::Test {
protected:
    PluginLibrary library{GAIN_FIXTURE_PATH};
};

TEST_F(HostedFixture, PrepareRunsTheHostSequenceAndTheCallbackAnswersWithItsValues)
{
    HostedPlugin plugin(library);
    EXPECT_EQ(query(plugin, kAskVersionAnswer), 2300);
    plugin.prepare(96000.0f, 64);
    EXPECT_TRUE(plugin.running());
    EXPECT_EQ(query(plugin, kAskSampleRate), 96000);
    EXPECT_EQ(query(plugin, kAskBlockSize), 64);
}

TEST_F(HostedFixture, RecordsEveryRequestInOrderUntilCleared)
{
    HostedPlugin plugin(library);
    plugin.open();
    const std::vector<HostRequest> requests = plugin.requests();
    ASSERT_EQ(requests.size(), 5u);
    // The version request comes from the entry, before the record exists.
    EXPECT_EQ(requests[0].opcode, HostOpcode::version);
    EXPECT_EQ(requests[1].opcode, HostOpcode::beginEdit);
    EXPECT_EQ(requests[2].opcode, HostOpcode::automate);
    EXPECT_EQ(requests[2].index, 0);
    EXPECT_EQ(requests[2].option, 0.25f);
    EXPECT_EQ(requests[3].opcode, HostOpcode::endEdit);
    EXPECT_EQ(requests[4].opcode, HostOpcode::idle);

    plugin.clearRequests();
    EXPECT_TRUE(plugin.requests().empty());
    query(plugin, kAskSampleRate);
    ASSERT_EQ(plugin.requests().size(), 1u);
    EXPECT_EQ(plugin.requests()[0].opcode, HostOpcode::getSampleRate);
}

TEST_F(HostedFixture, EachInstanceKeepsItsOwnRequestsAndCloseDeletesIt)
{
    HostedPlugin first(library);
    auto second = std::make_unique<HostedPlugin>(library);
    second->open();
    EXPECT_EQ(first.requests().size(), 1u);
    EXPECT_EQ(second->requests().size(), 5u);

    EXPECT_EQ(query(first, kAskLiveInstances), 2);
    second.reset();
    EXPECT_EQ(query(first, kAskLiveInstances), 1);
}

TEST_F(HostedFixture, NullFromTheEntryIsAClearError)
{
    const std::string refused = creationFailure(library, refuseEveryRequest);
    EXPECT_NE(refused.find("returned no instance (null)"), std::string::npos) << refused;
    EXPECT_NE(refused.find(GAIN_FIXTURE_PATH), std::string::npos) << refused;

    const PluginLibrary nullEntry(NULL_ENTRY_FIXTURE_PATH);
    std::string message;
    try {
        HostedPlugin plugin(nullEntry);
    } catch (const HostingError& error) {
        message = error.what();
    }
    EXPECT_NE(message.find("returned no instance (null)"), std::string::npos) << message;
}

TEST_F(HostedFixture, CallerCallbackAnswersAndNothingIsRecorded)
{
    callerCallbackCalls = 0;
    HostedPlugin plugin(library, countingCallback);
    plugin.open();
    EXPECT_EQ(callerCallbackCalls, 5);
    EXPECT_EQ(query(plugin, kAskVersionAnswer), 2300);
    EXPECT_TRUE(plugin.requests().empty());
}

TEST_F(HostedFixture, TextsAndProgramsThroughTheDispatcher)
{
    HostedPlugin plugin(library);
    EXPECT_EQ(plugin.effectName(), "Gain fixture");
    EXPECT_EQ(plugin.vendorString(), "Fendwick");
    EXPECT_EQ(plugin.vendorVersion(), 7);
    EXPECT_EQ(plugin.parameterLabel(0), "x");
    EXPECT_EQ(plugin.parameterName(2), "");
    EXPECT_EQ(plugin.programNameAt(1), std::optional<std::string>("Half"));
    EXPECT_EQ(plugin.programNameAt(2), std::nullopt);
    plugin.setProgram(1);
    EXPECT_EQ(plugin.program(), 1);
    EXPECT_EQ(plugin.programName(), "Half");
    EXPECT_EQ(plugin.parameterDisplay(0), "quiet");
}

// Accumulating must add exactly what replacing writes, on one of ours.
TEST(HostedOurs, AccumulatingAddsWhatReplacingWrites)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    const PluginLibrary library(test::ourPlugin("ascarell"));
    HostedPlugin replacing(library);
    HostedPlugin accumulating(library);
    replacing.prepare(44100.0f, 512);
    accumulating.prepare(44100.0f, 512);
    ASSERT_EQ(replacing.uniqueId(), fourCharCode("qk21"));

    AudioBuffer input = makeBenchmarkSignal(44100.0, 0.5, 2);
    AudioBuffer replaced(2, input.frames());
    AudioBuffer accumulated(2, input.frames());
    for (int c = 0; c < 2; ++c) {
        std::fill(accumulated.channel(c), accumulated.channel(c) + input.frames(), 0.125f);
    }
    for (size_t offset = 0; offset < input.frames(); offset += 512) {
        const auto frames = static_cast<int32_t>(std::min<size_t>(512, input.frames() - offset));
        float* in[2] = {input.channel(0) + offset, input.channel(1) + offset};
        float* out[2] = {replaced.channel(0) + offset, replaced.channel(1) + offset};
        float* sum[2] = {accumulated.channel(0) + offset, accumulated.channel(1) + offset};
        replacing.processReplacing(in, out, frames);
        accumulating.processAccumulating(in, sum, frames);
    }
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 0; i < input.frames(); ++i) {
            ASSERT_EQ(accumulated.channel(c)[i], 0.125f + replaced.channel(c)[i]) << "frame " << i;
        }
    }
}

}  // namespace
}  // namespace fendwick
