// The plug-in library a check loads in its own process, and instances of it set up as hosts set them up.
#pragma once

#include "hosted_plugin.h"
#include "plugin_library.h"

#include <memory>

namespace fendwick {

// Rate and block size of every check that does not vary them.
constexpr float kCheckRateHz = 44100.0f;
constexpr int32_t kCheckBlockSize = 512;

// Loads the library; each instance comes with the recording host callback.
class CheckedLibrary {
public:
    explicit CheckedLibrary(const std::string& path) : library_(path) {}

    const PluginLibrary& library() const { return library_; }
    std::unique_ptr<HostedPlugin> instance() const { return std::make_unique<HostedPlugin>(library_); }
    // Opened, at `rateHz` and `blockSize`, resumed.
    std::unique_ptr<HostedPlugin> prepared(float rateHz = kCheckRateHz, int32_t blockSize = kCheckBlockSize) const
    {
        auto plugin = instance();
        plugin->prepare(rateHz, blockSize);
        return plugin;
    }

private:
    PluginLibrary library_;
};

}  // namespace fendwick
