// One check of the validation battery: its name, what it proves, and the code that runs it in a child process.
#pragma once

#include "findings.h"

#include <string>

namespace fendwick {

// What a check is told: the library to load itself and how thorough to be.
struct CheckSettings {
    std::string pluginPath;
    // The shorter form of every check: fewer values, shorter signals.
    bool quick = false;
};

using CheckFunction = void (*)(const CheckSettings& settings, Findings& findings);

// A check loads the plug-in itself, drives it and records what went wrong in
// `findings`; it runs in a process of its own, so a crash or a hang of the
// plug-in is that check's failure and nothing else's. Names are
// "group.what", the group being the file the check lives in.
struct Check {
    const char* name;
    // One line for the help text and the report: what a pass proves.
    const char* proves;
    CheckFunction run;
};

}  // namespace fendwick
