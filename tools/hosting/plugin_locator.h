// Turns what a user types ("ascarell" or a path) into the shared object (or DLL) to load.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

// The folders our plug-ins are looked for in, in order. `explicitDir` alone
// when not empty, else the environment variable FENDWICK_PLUGIN_DIR alone
// when set and not empty; otherwise the build's own plug-in folder, then the
// folders an install puts them in: `<prefix>/lib/vst` beside the `bin/`
// folder this tool runs from, and `~/.vst/Fendwick`.
std::vector<std::string> pluginSearchFolders(const std::string& explicitDir = {});

// The first search folder that holds a plug-in; the first folder when none does.
std::string pluginDirectory(const std::string& explicitDir = {});

// The names below say ".so"; a Windows build uses ".dll" in its place
// (pluginFileSuffix).
// A deliverable name of ours ("ascarell") becomes `<folder>/<name>.so` in the
// first search folder that has it (the first folder when none has it);
// anything holding a slash or ending in ".so" is a path and stays one (a bare
// "x.so" becomes "./x.so" so that the loader does not search its own paths).
std::string resolvePluginPath(const std::string& nameOrPath, const std::string& explicitDir = {});

// Every "*.so" directly in `directory`, sorted by name; empty when the folder
// does not exist.
std::vector<std::string> listPluginFiles(const std::string& directory);

// The deliverable name of a plug-in file: "/x/ascarell_mono.so" gives "ascarell_mono".
std::string pluginNameOfPath(const std::string& path);

}  // namespace fendwick
