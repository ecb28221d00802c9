// The call sequences two real Linux hosts make (a scanner without a host
// behind it, a presets list on a temporary instance, a project saved and
// restored without chunks, a factory program carried over as parameter
// values, a rate change while running, a mono plug-in on a stereo track),
// each against every plug-in of ours: the same sound as an instance driven
// the plain way, no lost setting.
#include "benchmark_signal.h"
#include "hosted_fixture.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <set>
#include <thread>
#include <string>
#include <vector>

namespace fendwick {
namespace {

// A scanner's host: it knows its version, the can-do questions and the
// current id, and answers 0 to everything else, the sample rate included.
intptr_t scannerHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? 2400 : 0;
}

std::vector<float> valuesOf(HostedPlugin& plugin)
{
    std::vector<float> values;
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        values.push_back(plugin.getParameter(index));
    }
    return values;
}

void setValues(HostedPlugin& plugin, const std::vector<float>& values)
{
    for (int32_t index = 0; index < static_cast<int32_t>(values.size()); ++index) {
        plugin.setParameter(index, values[static_cast<size_t>(index)]);
    }
}

// A fifth of a second of the benchmarks' signal at 48 kHz, in blocks of 1024.
std::vector<float> renderAt48k(HostedPlugin& plugin)
{
    plugin.prepare(48000.0f, 1024);
    AudioBuffer in = makeBenchmarkSignal(48000.0, 0.2, plugin.numInputs());
    return processInBlocks(plugin, in, 1024);
}

TEST_P(HostedAnyOfOurs, AScannerWithoutAHostBehindItGetsANameAndLeavesCleanly)
{
    HostedPlugin scanned(*library, &scannerHost);
    scanned.open();
    EXPECT_EQ(scanned.dispatch(EffectOpcode::getInterfaceVersion), 2300);
    EXPECT_FALSE(scanned.effectName().empty());
    EXPECT_EQ(scanned.vendorString(), "Fendwick");
    EXPECT_FALSE(scanned.productString().empty());
    for (const char* question : {"receiveVstEvents", "sendVstMidiEvent", "bypass", "offline"}) {
        std::string text = question;
        scanned.dispatch(EffectOpcode::canDo, 0, 0, text.data());
    }
    scanned.suspend();
}

// The presets list of one host: a temporary instance is asked every program
// name, then suspended without ever having been resumed, then closed.
TEST_P(HostedAnyOfOurs, APresetsListOnATemporaryInstanceNamesEveryProgramOnce)
{
    const std::vector<float> before = renderAt48k(*plugin);
    {
        HostedPlugin listing(*library);
        listing.open();
        std::set<std::string> names;
        for (int32_t program = 0; program < listing.numPrograms(); ++program) {
            const std::optional<std::string> name = listing.programNameAt(program);
            ASSERT_TRUE(name.has_value()) << program;
            EXPECT_FALSE(name->empty()) << program;
            names.insert(*name);
        }
        EXPECT_EQ(names.size(), static_cast<size_t>(listing.numPrograms())) << "program names are unique";
        listing.suspend();
    }
    HostedPlugin fresh(*library);
    EXPECT_EQ(renderAt48k(fresh), before) << "the temporary instance left the library as it was";
}

// Projects are saved as every declared parameter's value, without the
// program number, and restored into a new instance in index order.
TEST_P(HostedAnyOfOurs, AProjectRestoredWithoutItsProgramSoundsAsSaved)
{
    const int32_t program = plugin->numPrograms() - 1;
    plugin->setProgram(program);
    plugin->setParameter(1, 0.37f);
    const std::vector<float> saved = valuesOf(*plugin);

    HostedPlugin restored(*library);
    restored.open();
    setValues(restored, saved);
    EXPECT_EQ(valuesOf(restored), saved);
    EXPECT_EQ(renderAt48k(restored), renderAt48k(*plugin));
}

// Another host applies a factory program by reading its values from one
// instance and setting them on a fresh one, which stays at program 0: every
// program must be fully described by its parameter values.
TEST_P(HostedAnyOfOurs, EveryProgramCarriedOverAsParameterValuesSoundsAsTheProgram)
{
    for (int32_t program = 0; program < plugin->numPrograms(); ++program) {
        SCOPED_TRACE(program);
        HostedPlugin chooser(*library);
        chooser.setProgram(program);
        HostedPlugin processing(*library);
        processing.open();
        setValues(processing, valuesOf(chooser));
        EXPECT_EQ(processing.program(), 0);
        EXPECT_EQ(renderAt48k(processing), renderAt48k(chooser));
    }
}

// The same host sets 44100 Hz and resumes, then sets 48000 Hz and the block
// size again while running, and processes in blocks of 8192 with a shorter
// last one.
TEST_P(HostedAnyOfOurs, ARateChangeWhileRunningSoundsAsAnInstanceStartedAtThatRate)
{
    HostedPlugin running(*library);
    running.open();
    running.setSampleRate(44100.0f);
    running.setBlockSize(8192);
    running.resume();
    running.setProgram(1);
    running.setSampleRate(48000.0f);
    running.setBlockSize(8192);
    AudioBuffer in = makeBenchmarkSignal(48000.0, 0.5, running.numInputs());
    const std::vector<float> changed = processInBlocks(running, in, 8192);

    plugin->setProgram(1);
    plugin->prepare(48000.0f, 8192);
    EXPECT_EQ(processInBlocks(*plugin, in, 8192), changed);
}

// A mono plug-in on a stereo track: one instance processes the left channel,
// is suspended and resumed, then processes the right one, which must sound
// as it would through an instance of its own.
TEST_P(HostedAnyOfOurs, AMonoPluginOnAStereoTrackTreatsEachChannelAsFresh)
{
    if (plugin->numInputs() != 1) {
        GTEST_SKIP() << "a stereo plug-in takes both channels at once";
    }
    AudioBuffer stereo = makeBenchmarkSignal(48000.0, 0.3, 2);
    AudioBuffer left(1, stereo.frames());
    AudioBuffer right(1, stereo.frames());
    std::memcpy(left.channel(0), stereo.channel(0), stereo.frames() * sizeof(float));
    std::memcpy(right.channel(0), stereo.channel(1), stereo.frames() * sizeof(float));

    plugin->setProgram(2);
    plugin->prepare(48000.0f, 4096);
    processInBlocks(*plugin, left, 4096);
    plugin->suspend();
    plugin->resume();
    const std::vector<float> rightAfterLeft = processInBlocks(*plugin, right, 4096);

    HostedPlugin own(*library);
    own.setProgram(2);
    own.prepare(48000.0f, 4096);
    EXPECT_EQ(processInBlocks(own, right, 4096), rightAfterLeft);
}

// Hosts set parameters from their own threads while the audio thread
// processes. The first two parameters (the crossover points of the
// three-band plug-ins, which push each other along) swing between far-apart
// values as fast as the other thread can set them.
TEST_P(HostedAnyOfOurs, ParametersSetBesideProcessingKeepTheOutputFinite)
{
    plugin->prepare(48000.0f, 512);
    AudioBuffer block = makeBenchmarkSignal(48000.0, 512 / 48000.0, plugin->numInputs());
    for (int c = 0; c < block.channels(); ++c) {
        for (size_t i = 0; i < block.frames(); ++i) {
            block.channel(c)[i] *= 2.0f;  // well over full scale
        }
    }
    std::atomic<bool> done{false};
    std::thread automation([&] {
        constexpr float kSwings[] = {0.0f, 0.9f, 0.3f, 1.0f, 0.6f, 0.05f};
        for (unsigned turn = 0; !done.load(); ++turn) {
            plugin->setParameter(0, kSwings[turn % 6]);
            plugin->setParameter(1, kSwings[(turn + 1) % 6]);
        }
    });
    size_t nonFinite = 0;
    for (int b = 0; b < 100000; ++b) {
        const std::vector<float> out = processInBlocks(*plugin, block, 512);
        nonFinite += static_cast<size_t>(std::count_if(out.begin(), out.end(), [](float v) { return !std::isfinite(v); }));
    }
    done.store(true);
    automation.join();
    EXPECT_EQ(nonFinite, 0u);
}

}  // namespace
}  // namespace fendwick
