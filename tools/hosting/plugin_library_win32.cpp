// Opening a plug-in DLL and finding its entry through the Windows loader.
#include "plugin_library.h"

#include "hosting_error.h"

#include <windows.h>

namespace fendwick {
namespace {

// The loader's text for the calling thread's last error, without the line end it carries.
std::string loaderMessage()
{
    const DWORD code = GetLastError();
    char text[512] = {};
    const DWORD length = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, code, 0,
                                        text, sizeof text, nullptr);
    std::string message(text, length);
    while (!message.empty() && (message.back() == '\n' || message.back() == '\r' || message.back() == ' ')) {
        message.pop_back();
    }
    return message.empty() ? "Windows error " + std::to_string(code) : message;
}

HMODULE moduleOf(void* handle) { return static_cast<HMODULE>(handle); }

}  // namespace

const char* const pluginFileSuffix = ".dll";

std::string folderOfRunningProgram()
{
    char path[MAX_PATH];
    const DWORD length = GetModuleFileNameA(nullptr, path, sizeof path);
    if (length == 0 || length >= sizeof path) {
        return {};
    }
    const std::string program(path, length);
    const size_t slash = program.find_last_of("\\/");
    return slash == std::string::npos ? std::string{} : program.substr(0, slash);
}

PluginLibrary::PluginLibrary(const std::string& path) : path_(path)
{
    handle_ = LoadLibraryA(path.c_str());
    if (handle_ == nullptr) {
        throw HostingError(path + ": " + loaderMessage());
    }
    // Newer plug-ins export VSTPluginMain; older ones only main.
    for (const char* name : {"VSTPluginMain", "main"}) {
        const FARPROC symbol = GetProcAddress(moduleOf(handle_), name);
        if (symbol != nullptr) {
            entry_ = reinterpret_cast<PluginEntry>(reinterpret_cast<void*>(symbol));
            entryName_ = name;
            return;
        }
    }
    FreeLibrary(moduleOf(handle_));
    handle_ = nullptr;
    throw HostingError(path + ": exports neither VSTPluginMain nor main");
}

PluginLibrary::~PluginLibrary()
{
    if (handle_ != nullptr) {
        FreeLibrary(moduleOf(handle_));
    }
}

}  // namespace fendwick
