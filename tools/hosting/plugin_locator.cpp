// Finding plug-in files by deliverable name or path.
#include "plugin_locator.h"

#include "plugin_library.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <unistd.h>

namespace fendwick {
namespace {

bool endsWith(const std::string& text, const std::string& tail)
{
    return text.size() >= tail.size() && text.compare(text.size() - tail.size(), tail.size(), tail) == 0;
}

}  // namespace

std::vector<std::string> pluginSearchFolders(const std::string& explicitDir)
{
    if (!explicitDir.empty()) {
        return {explicitDir};
    }
    const char* fromEnvironment = std::getenv("FENDWICK_PLUGIN_DIR");
    if (fromEnvironment != nullptr && fromEnvironment[0] != '\0') {
        return {fromEnvironment};
    }
    std::vector<std::string> folders{FENDWICK_DEFAULT_PLUGIN_DIR};
    const std::string toolFolder = folderOfRunningProgram();
    if (endsWith(toolFolder, "/bin")) {
        folders.push_back(toolFolder.substr(0, toolFolder.size() - 4) + "/lib/vst");
    }
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] != '\0') {
        folders.push_back(std::string(home) + "/.vst/Fendwick");
    }
    return folders;
}

std::string pluginDirectory(const std::string& explicitDir)
{
    const std::vector<std::string> folders = pluginSearchFolders(explicitDir);
    for (const std::string& folder : folders) {
        if (!listPluginFiles(folder).empty()) {
            return folder;
        }
    }
    return folders.front();
}

std::string resolvePluginPath(const std::string& nameOrPath, const std::string& explicitDir)
{
    if (nameOrPath.find('/') != std::string::npos) {
        return nameOrPath;
    }
    if (endsWith(nameOrPath, pluginFileSuffix)) {
        return "./" + nameOrPath;
    }
    const std::vector<std::string> folders = pluginSearchFolders(explicitDir);
    for (const std::string& folder : folders) {
        const std::string path = folder + "/" + nameOrPath + pluginFileSuffix;
        if (access(path.c_str(), R_OK) == 0) {
            return path;
        }
    }
    return folders.front() + "/" + nameOrPath + pluginFileSuffix;
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
        if (name.size() > std::strlen(pluginFileSuffix) && endsWith(name, pluginFileSuffix)) {
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
    if (endsWith(name, pluginFileSuffix)) {
        name.resize(name.size() - std::strlen(pluginFileSuffix));
    }
    return name;
}

}  // namespace fendwick
