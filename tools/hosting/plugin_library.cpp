// Opening a plug-in library and finding its entry.
#include "plugin_library.h"

#include "hosting_error.h"

#include <dlfcn.h>

namespace fendwick {
namespace {

std::string loaderMessage()
{
    const char* message = dlerror();
    return message != nullptr ? message : "unknown loader error";
}

}  // namespace

PluginLibrary::PluginLibrary(const std::string& path) : path_(path)
{
    dlerror();
    handle_ = dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        throw HostingError(loaderMessage());
    }
    // Newer plug-ins export VSTPluginMain; older ones only main.
    for (const char* name : {"VSTPluginMain", "main"}) {
        dlerror();
        void* symbol = dlsym(handle_, name);
        if (symbol != nullptr) {
            entry_ = reinterpret_cast<PluginEntry>(symbol);
            entryName_ = name;
            return;
        }
    }
    const std::string detail = loaderMessage();
    dlclose(handle_);
    handle_ = nullptr;
    throw HostingError(path + ": exports neither VSTPluginMain nor main (" + detail + ")");
}

PluginLibrary::~PluginLibrary()
{
    if (handle_ != nullptr) {
        dlclose(handle_);
    }
}

}  // namespace fendwick
