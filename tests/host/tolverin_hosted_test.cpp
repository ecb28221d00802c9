// The single-band character libraries as a host drives them: processing
// through the entry equals the compressor class itself.
#include "audio_buffer.h"
#include "benchmark_signal.h"
#include "character_compressor.h"
#include "hosted_fixture.h"

#include <algorithm>
#include <vector>

namespace fendwick {
namespace {

class HostedTolverin : public HostedBuild {};

std::vector<float*> channelPointers(AudioBuffer& buffer)
{
    std::vector<float*> pointers;
    for (int c = 0; c < buffer.channels(); ++c) {
        pointers.push_back(buffer.channel(c));
    }
    return pointers;
}

std::vector<float> samples(const AudioBuffer& buffer)
{
    return std::vector<float>(buffer.channel(0), buffer.channel(0) + buffer.frames() * buffer.channels());
}

// Program "Drum Loud" at 48 kHz on the benchmarks' signal, in one block for
// the class and in the host's blocks of 512 for the library.
TEST_P(HostedTolverin, ProcessingThroughTheEntryMatchesTheCompressor)
{
    const int32_t program = 19;
    CharacterCompressor reference(nullptr, stereo() ? CharacterChannels::stereo : CharacterChannels::mono);
    reference.setSampleRate(48000.0f);
    reference.setProgram(program);
    reference.resume();
    plugin->prepare(48000.0f, 512);
    plugin->setProgram(program);

    AudioBuffer in = makeBenchmarkSignal(48000.0, 0.5, channels());
    AudioBuffer expected(channels(), in.frames());
    std::vector<float*> ins = channelPointers(in);
    std::vector<float*> expectedOuts = channelPointers(expected);
    reference.processReplace(ins.data(), expectedOuts.data(), static_cast<int32_t>(in.frames()));
    const std::vector<float> out = processInBlocks(*plugin, in, 512);
    EXPECT_EQ(out, samples(expected));
    EXPECT_NE(out, samples(in)) << "the program shapes the sound";
}

INSTANTIATE_TEST_SUITE_P(BothBuilds, HostedTolverin, ::testing::Values("tolverin", "tolverin_mono"));

}  // namespace
}  // namespace fendwick
