// Render's reading and channel routing in front of one plug-in, with the finite-output check.
#include "sound_file_session.h"

#include "audio_buffer.h"
#include "channel_routing.h"
#include "hosted_plugin.h"
#include "output_check.h"
#include "sound_file.h"
#include "tool_error.h"

#include <algorithm>
#include <vector>

namespace fendwick {
namespace {

constexpr int kBlockFrames = 256;

std::vector<float*> channelPointers(AudioBuffer& buffer)
{
    std::vector<float*> pointers;
    for (int c = 0; c < buffer.channels(); ++c) {
        pointers.push_back(buffer.channel(c));
    }
    return pointers;
}

std::optional<std::string> processStart(HostedPlugin& plugin, SoundFile& file)
{
    const ChannelRouting routing(file.channels(), plugin.numInputs(), std::nullopt,
                                 plugin.numInputs() == 1 && file.channels() > 1);
    plugin.prepare(static_cast<float>(file.sampleRate()), kBlockFrames);
    std::vector<float> interleaved(static_cast<size_t>(kBlockFrames) * static_cast<size_t>(file.channels()));
    AudioBuffer inputs(plugin.numInputs(), kBlockFrames);
    AudioBuffer outputs(plugin.numOutputs(), kBlockFrames);
    std::vector<float*> inputPointers = channelPointers(inputs);
    std::vector<float*> outputPointers = channelPointers(outputs);
    for (int done = 0; done < kSoundFileMostFrames;) {
        const size_t frames = file.read(interleaved.data(), kBlockFrames);
        if (frames == 0) {
            break;
        }
        routing.route(interleaved.data(), frames, inputs);
        const auto count = static_cast<int32_t>(frames);
        plugin.processReplacing(inputPointers.data(), outputPointers.data(), count);
        if (auto found = nonFiniteOutput(outputPointers.data(), outputs.channels(), count)) {
            return *found + " at file frame " + std::to_string(done);
        }
        done += count;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string> playSoundFile(HostedPlugin& plugin, const std::string& path)
{
    try {
        SoundFile file = SoundFile::openForReading(path);
        return processStart(plugin, file);
    } catch (const ToolError&) {
        return std::nullopt;
    }
}

}  // namespace fendwick
