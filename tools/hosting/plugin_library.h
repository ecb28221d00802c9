// A VST 2 shared object opened the way a host opens it, with its entry found.
#pragma once

#include "vst2_abi.h"

#include <string>

namespace fendwick {

// The function a plug-in library exports to create one instance.
using PluginEntry = EffectRecord* (*)(HostCallback callback);

// Owns one dlopen handle (RTLD_NOW | RTLD_LOCAL) and the library's entry,
// `VSTPluginMain` or else `main`. Construction throws `HostingError` with the
// loader's own message; destruction closes the library, so every instance
// created through the entry must be gone first.
class PluginLibrary {
public:
    explicit PluginLibrary(const std::string& path);
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    PluginEntry entry() const { return entry_; }
    const std::string& path() const { return path_; }
    // Which export served as the entry: "VSTPluginMain" or "main".
    const std::string& entryName() const { return entryName_; }

private:
    std::string path_;
    std::string entryName_;
    void* handle_ = nullptr;
    PluginEntry entry_ = nullptr;
};

}  // namespace fendwick
