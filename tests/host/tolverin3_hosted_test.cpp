// The three-band character library as a host saves and reopens a project:
// the program number, then every declared parameter in index order.
#include "benchmark_signal.h"
#include "hosted_fixture.h"
#include "multiband_character_compressor.h"

#include <cstdint>
#include <utility>
#include <vector>

namespace fendwick {
namespace {

class HostedTolverin3 : public HostedBuild {};

struct SavedProject {
    int32_t program;
    std::vector<float> values;
};

SavedProject save(HostedPlugin& plugin)
{
    SavedProject project{plugin.program(), {}};
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        project.values.push_back(plugin.getParameter(index));
    }
    return project;
}

void restore(HostedPlugin& plugin, const SavedProject& project)
{
    plugin.setProgram(project.program);
    for (int32_t index = 0; index < static_cast<int32_t>(project.values.size()); ++index) {
        plugin.setParameter(index, project.values[static_cast<size_t>(index)]);
    }
}

// Half a second of the benchmarks' signal at 48 kHz, in the host's blocks of 512.
std::vector<float> render(HostedPlugin& plugin)
{
    plugin.prepare(48000.0f, 512);
    AudioBuffer in = makeBenchmarkSignal(48000.0, 0.5, 1);
    return processInBlocks(plugin, in, 512);
}

struct ProjectCase {
    const char* what;
    int32_t program;
    std::vector<std::pair<int32_t, float>> edits;  // in the order the user made them
};

// Parameter indexes: 10 ParamLink; Hi 12..19, Mid 20..27, Lo 28..35
// (Thresh, Ratio, Attack, Release, ARC, In, PW, Comp).
const ProjectCase projectCases[] = {
    {"linked, bands set apart", 0,
     {{10, 1.0f}, {12, 0.2f}, {20, 0.5f}, {28, 0.8f}, {13, 0.3f}, {21, 0.6f}, {29, 0.9f}, {33, 0.4f}}},
    {"unlinked, low band's compression off", 9, {{35, 0.0f}, {30, 0.7f}, {6, 0.5f}}},
    {"linked, Type and ARC apart", 13, {{10, 1.0f}, {3, 1.0f}, {5, 0.0f}, {16, 0.0f}, {32, 1.0f}}},
};

TEST_P(HostedTolverin3, AReopenedProjectHasEveryValueAndSoundsTheSame)
{
    ASSERT_EQ(plugin->numParameters(), 36) << "Lo_Comp is declared, so hosts save it";
    for (const ProjectCase& project : projectCases) {
        SCOPED_TRACE(project.what);
        HostedPlugin original(*library);
        original.setProgram(project.program);
        for (const auto& [index, value] : project.edits) {
            original.setParameter(index, value);
        }
        const SavedProject saved = save(original);
        for (const auto& [index, value] : project.edits) {
            EXPECT_EQ(saved.values[static_cast<size_t>(index)], value) << "index " << index << " moved alone";
        }

        HostedPlugin reopened(*library);
        restore(reopened, saved);
        EXPECT_EQ(save(reopened).values, saved.values);
        EXPECT_EQ(render(reopened), render(original));
    }
}

// Program "Master Hard" at 48 kHz, in one block for the class and in the
// host's blocks of 512 for the library.
TEST_P(HostedTolverin3, ProcessingThroughTheEntryMatchesTheCompressor)
{
    const int32_t program = 9;
    MultibandCharacterCompressor reference(nullptr);
    reference.setSampleRate(48000.0f);
    reference.setProgram(program);
    reference.resume();
    AudioBuffer in = makeBenchmarkSignal(48000.0, 0.5, 1);
    std::vector<float> expected(in.frames());
    float* ins[] = {in.channel(0)};
    float* outs[] = {expected.data()};
    reference.processReplace(ins, outs, static_cast<int32_t>(in.frames()));

    plugin->setProgram(program);
    EXPECT_EQ(render(*plugin), expected);
}

INSTANTIATE_TEST_SUITE_P(MonoBuild, HostedTolverin3, ::testing::Values("tolverin3_mono"));

}  // namespace
}  // namespace fendwick
