// Knowing, while plug-in code runs, what it was asked, so that its ending the process can be reported.
#pragma once

namespace fendwick {

// Marks the calling thread as running plug-in code for as long as the object
// lives, with a phrase saying what for ("processing audio"). A plug-in that
// calls exit() there ends the whole host with it, and with the status the
// plug-in chose (often 0, which would read as success): armWatch() installs
// a handler at exit that, when the exiting thread is inside such a scope,
// writes "the plug-in ended the process while <what>" to standard error and
// ends with exit code 1 instead. An exit of the host's own, outside every
// scope, passes untouched. Scopes nest; each thread has its own.
class PluginCallScope {
public:
    explicit PluginCallScope(const char* what);
    ~PluginCallScope();
    PluginCallScope(const PluginCallScope&) = delete;
    PluginCallScope& operator=(const PluginCallScope&) = delete;

    // Installs the exit handler once per process; later calls do nothing.
    static void armWatch();

private:
    const char* previous_;
};

}  // namespace fendwick
