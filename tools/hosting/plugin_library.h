// A VST 2 shared object (a DLL on Windows) opened the way a host opens it, with its entry found.
#pragma once

#include "vst2_abi.h"

#include <string>

namespace fendwick {

// The function a plug-in library exports to create one instance.
using PluginEntry = EffectRecord* (*)(HostCallback callback);

// Owns one loader handle (dlopen with RTLD_NOW | RTLD_LOCAL, or LoadLibrary
// on Windows) and the library's entry,
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

// The file name ending of a plug-in library on this system: ".so" or ".dll".
extern const char* const pluginFileSuffix;

// The folder of this program's executable; empty when the system cannot say.
std::string folderOfRunningProgram();

}  // namespace fendwick
