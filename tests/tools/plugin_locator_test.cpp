// Resolving deliverable names and listing plug-in folders.
#include "plugin_locator.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <sys/stat.h>

namespace fendwick {
namespace {

// Runs `check` with FENDWICK_PLUGIN_DIR set to `value` (or unset), then restores it.
template <typename Check>
void withPluginDirVariable(const char* value, Check check)
{
    const char* old = std::getenv("FENDWICK_PLUGIN_DIR");
    const std::string saved = old != nullptr ? old : "";
    value != nullptr ? setenv("FENDWICK_PLUGIN_DIR", value, 1) : unsetenv("FENDWICK_PLUGIN_DIR");
    check();
    old != nullptr ? setenv("FENDWICK_PLUGIN_DIR", saved.c_str(), 1) : unsetenv("FENDWICK_PLUGIN_DIR");
}

TEST(PluginLocator, DirectoryComesFromArgumentThenEnvironmentThenBuild)
{
    withPluginDirVariable(nullptr, [] {
        EXPECT_EQ(pluginDirectory(), BUILD_PLUGIN_DIR);
        EXPECT_EQ(resolvePluginPath("ascarell"), std::string(BUILD_PLUGIN_DIR) + "/ascarell.so");
    });
    withPluginDirVariable("/from/environment", [] {
        EXPECT_EQ(resolvePluginPath("ascarell"), "/from/environment/ascarell.so");
        EXPECT_EQ(resolvePluginPath("ascarell_mono", "/opt/fw"), "/opt/fw/ascarell_mono.so");
    });
    // An empty variable counts as unset.
    withPluginDirVariable("", [] { EXPECT_EQ(pluginDirectory(), BUILD_PLUGIN_DIR); });
}

TEST(PluginLocator, NamesAreFoundInTheBuildFirstThenWhereAnInstallPutsThem)
{
    const std::string home = testing::TempDir() + "fendwick_locator_home";
    const std::string installed = home + "/.vst/Fendwick";
    mkdir(home.c_str(), 0755);
    mkdir((home + "/.vst").c_str(), 0755);
    mkdir(installed.c_str(), 0755);
    std::ofstream(installed + "/only_installed.so") << "x";
    const char* oldHome = std::getenv("HOME");
    const std::string savedHome = oldHome != nullptr ? oldHome : "";
    setenv("HOME", home.c_str(), 1);
    withPluginDirVariable(nullptr, [&] {
        const std::vector<std::string> folders = pluginSearchFolders();
        EXPECT_EQ(folders.front(), BUILD_PLUGIN_DIR);
        EXPECT_EQ(folders.back(), installed);
        EXPECT_EQ(resolvePluginPath("only_installed"), installed + "/only_installed.so");
        EXPECT_EQ(resolvePluginPath("ascarell"), std::string(BUILD_PLUGIN_DIR) + "/ascarell.so");
        // A name found nowhere names the build folder, for the error message.
        EXPECT_EQ(resolvePluginPath("nowhere"), std::string(BUILD_PLUGIN_DIR) + "/nowhere.so");
    });
    // A folder named by the user is the only one searched.
    EXPECT_EQ(resolvePluginPath("only_installed", "/opt/fw"), "/opt/fw/only_installed.so");
    oldHome != nullptr ? setenv("HOME", savedHome.c_str(), 1) : unsetenv("HOME");
    std::remove((installed + "/only_installed.so").c_str());
    rmdir(installed.c_str());
    rmdir((home + "/.vst").c_str());
    rmdir(home.c_str());
}

TEST(PluginLocator, PathsStayPathsAndBareFileNamesStayLocal)
{
    EXPECT_EQ(resolvePluginPath("/usr/lib/vst/ZamComp-vst.so", "/opt/fw"), "/usr/lib/vst/ZamComp-vst.so");
    EXPECT_EQ(resolvePluginPath("sub/x"), "sub/x");
    // A bare file name must not send the loader searching its own paths.
    EXPECT_EQ(resolvePluginPath("local.so"), "./local.so");
    EXPECT_EQ(pluginNameOfPath("/x/y/ascarell_mono.so"), "ascarell_mono");
}

TEST(PluginLocator, ListsOnlySharedObjectsSorted)
{
    const std::string folder = testing::TempDir() + "fendwick_locator_folder";
    mkdir(folder.c_str(), 0755);
    const char* names[] = {"tolverin.so", "ascarell.so", "readme.txt", "ascarell3.so.bak"};
    for (const char* name : names) {
        std::ofstream(folder + "/" + name) << "x";
    }
    EXPECT_EQ(listPluginFiles(folder), (std::vector<std::string>{folder + "/ascarell.so", folder + "/tolverin.so"}));
    EXPECT_TRUE(listPluginFiles(folder + "/missing").empty());
    for (const char* name : names) {
        std::remove((folder + "/" + name).c_str());
    }
    rmdir(folder.c_str());
}

}  // namespace
}  // namespace fendwick
