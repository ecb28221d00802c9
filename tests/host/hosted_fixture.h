// Loads one of the built plug-in libraries the way a host loads it.
#pragma once

#include "hosted_plugin.h"
#include "plugin_library.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>

namespace fendwick {

inline std::string builtPlugin(const std::string& name)
{
    return std::string(FENDWICK_TEST_PLUGIN_DIR) + "/" + name + ".so";
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
