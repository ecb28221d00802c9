// Finding plug-in files by deliverable name or path.
#include "hosting/plugin_locator.h"

#include <algorithm>
#include <cstdlib>
#include <dirent.h>

namespace fendwick {
namespace {

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::string pluginDirectory(const std::string& explicitDir)
{
    if (!explicitDir.empty()) {
        return explicitDir;
    }
    const char* fromEnvironment = std::getenv("FENDWICK_PLUGIN_DIR");
    if (fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        return fromEnvironment;
    }
    return FENDWICK_DEFAULT_PLUGIN_DIR;
}

std::string resolvePluginPath(const std::string& nameOrPath, const std::string& explicitDir)
{
    if (nameOrPath.find('/') != std::string::npos) {
        return nameOrPath;
    }
    if (endsWith(nameOrPath, ".so")) {
        return "./" + nameOrPath;
    }
    return pluginDirectory(explicitDir) + "/" + nameOrPath + ".so";
}

std::vector<std::string> listPluginFiles(const std::string& directory)
{
    std::vector<std::string> files;
    DIR* folder = opendir(directory.c_str());
    if (folder == nullptr) {
        return files;
    }
    while (const dirent* entry = readdir(folder)) {
        const std::string name = entry->d_name;
        if (name.size() > 3 && endsWith(name, ".so")) {
            files.push_back(directory + "/" + name);
        }
    }
    closedir(folder);
    std::sort(files.begin(), files.end());
    return files;
}

std::string pluginNameOfPath(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    if (endsWith(name, ".so")) {
        name.resize(name.size() - 3);
    }
    return name;
}

}  // namespace fendwick
