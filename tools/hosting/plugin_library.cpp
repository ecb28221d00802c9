// Opening a plug-in library and finding its entry through the POSIX loader.
#include "plugin_library.h"

#include "hosting_error.h"

#include <dlfcn.h>
#include <unistd.h>

namespace fendwick {
namespace {

std::string loaderMessage()
{
    const char* message = dlerror();
    return message != nullptr ? message : "unknown loader error";
}

}  // namespace

const char* const pluginFileSuffix = ".so";

std::string folderOfRunningProgram()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    if (length <= 0) {
        return {};
    }
    const std::string program(path, static_cast<size_t>(length));
    const size_t slash = program.find_last_of('/');
    return slash == std::string::npos ? std::string{} : program.substr(0, slash);
}

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
