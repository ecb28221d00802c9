// Every committed fuzzer input, starting input or past crash, replayed against the plug-in libraries as built.
#include "action_decoder.h"
#include "action_player.h"
#include "hosted_plugin.h"
#include "plugin_library.h"
#include "sound_file_session.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>

namespace fendwick {
namespace {

namespace fs = std::filesystem;

constexpr char kSoundFileTarget[] = "sound_file";

// Target name -> its input files, from fuzz/corpus/<target>/ and fuzz/regressions/<target>/.
std::map<std::string, std::vector<fs::path>> inputsByTarget()
{
    std::map<std::string, std::vector<fs::path>> inputs;
    for (const char* folder : {"corpus", "regressions"}) {
        const fs::path root = fs::path(FENDWICK_FUZZ_DIR) / folder;
        if (!fs::exists(root)) {
            continue;
        }
        for (const fs::directory_entry& target : fs::directory_iterator(root)) {
            for (const fs::directory_entry& file : fs::directory_iterator(target.path())) {
                inputs[target.path().filename().string()].push_back(file.path());
            }
        }
    }
    return inputs;
}

std::string libraryOf(const std::string& target)
{
    const std::string plugin = target == kSoundFileTarget ? kSoundFilePlugin : target;
    return std::string(BUILD_PLUGIN_DIR) + "/" + plugin + ".so";
}

std::optional<std::string> replay(const std::string& target, HostedPlugin& plugin, const fs::path& input)
{
    if (target == kSoundFileTarget) {
        return playSoundFile(plugin, input.string());
    }
    std::ifstream stream(input, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(stream), std::istreambuf_iterator<char>()};
    return playActions(plugin, decodeActions(bytes.data(), bytes.size()));
}

TEST(CorpusReplay, EveryTargetHasStartingInputsAndAPlugInToPlayThemOn)
{
    const auto inputs = inputsByTarget();
    EXPECT_EQ(inputs.count(kSoundFileTarget), 1u);
    EXPECT_GE(inputs.size(), 8u);
    for (const auto& [target, files] : inputs) {
        EXPECT_TRUE(fs::exists(libraryOf(target))) << "fuzz folder " << target << " names no plug-in we build";
    }
}

TEST(CorpusReplay, EveryInputPlaysWithoutFinding)
{
    for (const auto& [target, files] : inputsByTarget()) {
        const PluginLibrary library(libraryOf(target));
        for (const fs::path& input : files) {
            HostedPlugin plugin(library);
            const std::optional<std::string> finding = replay(target, plugin, input);
            EXPECT_FALSE(finding.has_value()) << input << ": " << finding.value_or("");
        }
    }
}

}  // namespace
}  // namespace fendwick
