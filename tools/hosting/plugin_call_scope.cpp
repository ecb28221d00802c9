// The exit handler that tells a plug-in's exit() from the host's own.
#include "plugin_call_scope.h"

#include <cstdlib>
#include <cstring>
#include <mutex>
#include <unistd.h>

namespace fendwick {
namespace {

constexpr int kFailed = 1;

// What the plug-in code running on this thread was asked; null outside plug-in code.
thread_local const char* runningPluginCode = nullptr;

void writeText(const char* text)
{
    // Only async-signal-safe calls here: the process is already ending.
    const ssize_t ignored = write(STDERR_FILENO, text, std::strlen(text));
    (void)ignored;
}

void reportPluginExit()
{
    if (runningPluginCode == nullptr) {
        return;
    }
    writeText("fendwick: error: the plug-in ended the process while ");
    writeText(runningPluginCode);
    writeText("\n");
    _exit(kFailed);
}

}  // namespace

PluginCallScope::PluginCallScope(const char* what) : previous_(runningPluginCode)
{
    runningPluginCode = what;
}

PluginCallScope::~PluginCallScope()
{
    runningPluginCode = previous_;
}

void PluginCallScope::armWatch()
{
    static std::once_flag armed;
    std::call_once(armed, [] { std::atexit(reportPluginExit); });
}

}  // namespace fendwick
