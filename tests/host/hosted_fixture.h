// Loads one of the built plug-in libraries the way a host loads it.
#pragma once

#include "audio_buffer.h"
#include "block_processing.h"
#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace fendwick {

inline std::string builtPlugin(const std::string& name)
{
    return std::string(FENDWICK_TEST_PLUGIN_DIR) + "/" + name + ".so";
}

// `in` through the plug-in's replacing process in blocks of `blockSize`, as
// a host runs it; the output's samples, channel after channel.
inline std::vector<float> processInBlocks(HostedPlugin& plugin, AudioBuffer& in, int32_t blockSize)
{
    AudioBuffer out(plugin.numOutputs(), in.frames());
    processReplacingInBlocks(plugin, in, out, blockSize);
    return std::vector<float>(out.channel(0), out.channel(0) + out.frames() * static_cast<size_t>(out.channels()));
}

// One instance of a built plug-in, named by the test's parameter, with the
// recording host of the hosting library.
class HostedBuild : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override
    {
        library = std::make_unique<PluginLibrary>(builtPlugin(GetParam()));
        plugin = std::make_unique<HostedPlugin>(*library);
    }
    void TearDown() override
    {
        plugin.reset();
        library.reset();
    }
    int channels() const { return plugin->numInputs(); }
    bool stereo() const { return channels() == 2; }

    std::unique_ptr<PluginLibrary> library;
    std::unique_ptr<HostedPlugin> plugin;
};

// What every plug-in of ours does as a host drives it.
class HostedAnyOfOurs : public HostedBuild {};

// The single-band builds.
class HostedAscarell : public HostedBuild {};

// The three-band builds.
class HostedAscarell3 : public HostedBuild {};

}  // namespace fendwick
