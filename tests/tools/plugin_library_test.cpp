// Opening plug-in libraries: entries found, loader failures reported in the loader's words.
#include "hosting_error.h"
#include "plugin_library.h"
#include "test_plugins.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

namespace fendwick {
namespace {

std::string failureOf(const std::string& path)
{
    try {
        PluginLibrary library(path);
    } catch (const HostingError& error) {
        return error.what();
    }
    return {};
}

TEST(PluginLibrary, PrefersVstPluginMainAndOpensPeersThatOnlyExportMain)
{
    const PluginLibrary fixture(GAIN_FIXTURE_PATH);
    EXPECT_EQ(fixture.entryName(), "VSTPluginMain");
    EXPECT_NE(fixture.entry(), nullptr);
    EXPECT_EQ(fixture.path(), GAIN_FIXTURE_PATH);

    SKIP_UNLESS_FILE(test::zamCompPath());
    const PluginLibrary peer(test::zamCompPath());
    EXPECT_NE(peer.entry(), nullptr);
}

TEST(PluginLibrary, ReportsTheLoaderMessageForMissingAndBrokenFiles)
{
    const std::string missing = "/nonexistent/folder/nothing.so";
    const std::string missingMessage = failureOf(missing);
    EXPECT_NE(missingMessage.find(missing), std::string::npos) << missingMessage;
    EXPECT_NE(missingMessage.find("No such file"), std::string::npos) << missingMessage;

    const std::string notElf = testing::TempDir() + "fendwick_not_a_library.so";
    {
        std::ofstream text(notElf);
        for (int line = 0; line < 100; ++line) {
            text << "this is text, not a shared object\n";
        }
    }
    const std::string brokenMessage = failureOf(notElf);
    std::remove(notElf.c_str());
    EXPECT_NE(brokenMessage.find(notElf), std::string::npos) << brokenMessage;
    EXPECT_NE(brokenMessage.find("ELF"), std::string::npos) << brokenMessage;
}

TEST(PluginLibrary, RefusesALibraryWithoutEntry)
{
    const std::string message = failureOf(NO_ENTRY_FIXTURE_PATH);
    EXPECT_NE(message.find("exports neither VSTPluginMain nor main"), std::string::npos) << message;
    EXPECT_NE(message.find(NO_ENTRY_FIXTURE_PATH), std::string::npos) << message;
}

}  // namespace
}  // namespace fendwick
