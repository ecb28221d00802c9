// The battery's pure pieces: findings, the buffers texts land in, the check list, test signals and the import watch.
#include "block_buffers.h"
#include "check_registry.h"
#include "guarded_text_buffer.h"
#include "hosted_plugin.h"
#include "import_watch.h"
#include "plugin_library.h"
#include "signal_checks.h"
#include "watched_buffer.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <set>
#include <thread>
#include <unistd.h>

namespace fendwick {
namespace {

struct FindingsCase {
    const char* what;
    std::function<void(Findings&)> record;
    bool failed;
    bool skipped;
    const char* summary;
};

const FindingsCase kFindingsCases[] = {
    {"nothing found", [](Findings&) {}, false, false, ""},
    {"an empty fault is no fault", [](Findings& f) { f.failOn(""); }, false, false, ""},
    {"a skip", [](Findings& f) { f.skip("no editor"); }, false, true, "no editor"},
    {"a fault outweighs a skip", [](Findings& f) {
         f.skip("no editor");
         f.failOn("opcode 14 crashed");
     },
     true, false, "opcode 14 crashed"},
    {"as many faults as are kept", [](Findings& f) {
         for (const char* fault : {"a", "b", "c"}) {
             f.fail(fault);
         }
     },
     true, false, "a; b; c"},
    {"the rest only counted", [](Findings& f) {
         for (const char* fault : {"a", "b", "c", "d", "e"}) {
             f.fail(fault);
         }
     },
     true, false, "a; b; c; and 2 more"},
};

TEST(Findings, FaultsOutweighSkipsAndOnlyTheFirstFewAreKept)
{
    for (const FindingsCase& c : kFindingsCases) {
        Findings findings;
        c.record(findings);
        EXPECT_EQ(findings.failed(), c.failed) << c.what;
        EXPECT_EQ(findings.skipped(), c.skipped) << c.what;
        EXPECT_EQ(findings.summary(), c.summary) << c.what;
    }
}

TEST(Findings, AttemptsGoOneLineEachToTheReportedDescriptorOnly)
{
    int ends[2];
    ASSERT_EQ(pipe(ends), 0);
    Findings findings;
    findings.attempt("before a descriptor is given");
    findings.reportAttemptsTo(ends[1]);
    findings.attempt("opcode 11 (index 0, value 0)");
    findings.attempt("processing blocks of 7 frames");
    close(ends[1]);
    std::string written;
    char chunk[256];
    for (ssize_t got; (got = read(ends[0], chunk, sizeof(chunk))) > 0;) {
        written.append(chunk, static_cast<size_t>(got));
    }
    close(ends[0]);
    EXPECT_EQ(written, "opcode 11 (index 0, value 0)\nprocessing blocks of 7 frames\n");
}

struct WatchedCase {
    const char* what;
    WatchedBuffer::Start start;
    // Written at offset `at`.
    std::string bytes;
    size_t at;
    size_t extent;
    std::optional<size_t> terminator;
    std::string text;
};

const WatchedCase kWatchedCases[] = {
    {"a text and its terminator", WatchedBuffer::Start::pattern, std::string("ab\0", 3), 0, 3, 2, "ab"},
    {"a stray byte far in", WatchedBuffer::Start::pattern, "x", 100, 101, std::nullopt, ""},
    {"an empty text", WatchedBuffer::Start::pattern, std::string("\0", 1), 0, 1, 0, ""},
    {"a text over zeros: its terminator is no change", WatchedBuffer::Start::zeros, "ab", 0, 2, 2, "ab"},
    {"nothing over zeros", WatchedBuffer::Start::zeros, "", 0, 0, 0, ""},
};

TEST(WatchedBuffer, TheExtentTerminatorAndTextAreWhatThePlugInWrote)
{
    for (const WatchedCase& c : kWatchedCases) {
        WatchedBuffer buffer(c.start);
        std::memcpy(buffer.data() + c.at, c.bytes.data(), c.bytes.size());
        EXPECT_EQ(buffer.writtenExtent(), c.extent) << c.what;
        EXPECT_EQ(buffer.terminator(), c.terminator) << c.what;
        if (c.terminator) {
            EXPECT_EQ(buffer.text(), c.text) << c.what;
        } else {
            EXPECT_EQ(buffer.text().size(), WatchedBuffer::kSize) << c.what << ": no terminator, the whole buffer";
        }
    }
}

struct GuardedCase {
    const char* what;
    size_t writtenBytes;
    size_t mostCharacters;
    bool overrun;
    size_t textCharacters;
};

const GuardedCase kGuardedCases[] = {
    {"a short text", 5, 8, false, 5},
    {"a text cut to its bound", 12, 8, false, 8},
    {"the whole buffer without a terminator", GuardedTextBuffer::kSize, 2000, false, GuardedTextBuffer::kSize},
    {"one byte into the guard", GuardedTextBuffer::kSize + 1, 8, true, 8},
};

TEST(GuardedTextBuffer, ReadsAreBoundedAndWritesPastTheEndShow)
{
    for (const GuardedCase& c : kGuardedCases) {
        GuardedTextBuffer buffer;
        std::memset(buffer.data(), 'x', c.writtenBytes);
        EXPECT_EQ(buffer.overrun(), c.overrun) << c.what;
        EXPECT_EQ(buffer.text(c.mostCharacters), std::string(c.textCharacters, 'x')) << c.what;
    }
}

// The groups in the order the battery runs them, as the names carry them.
const char* const kGroups[] = {"load",  "dispatcher", "parameters", "programs", "processing", "state",
                               "hosts", "realtime",   "threads",    "scale",    "editor"};

TEST(CheckRegistry, EveryCheckHasItsOwnNameInItsGroupAndIsFoundByIt)
{
    const std::vector<Check>& checks = allChecks();
    ASSERT_FALSE(checks.empty());
    EXPECT_STREQ(checks.front().name, "load.instance") << "nothing runs without an instance";
    std::set<std::string> names;
    size_t group = 0;
    for (const Check& check : checks) {
        const std::string name = check.name;
        EXPECT_TRUE(names.insert(name).second) << name << " twice";
        const std::string prefix = name.substr(0, name.find('.'));
        while (group < std::size(kGroups) && prefix != kGroups[group]) {
            ++group;
        }
        EXPECT_LT(group, std::size(kGroups)) << name << ": an unknown group, or one out of its place";
        EXPECT_GT(name.size(), prefix.size() + 1) << name;
        EXPECT_GT(std::strlen(check.proves), 0u) << name;
        EXPECT_NE(check.run, nullptr) << name;
        EXPECT_EQ(findCheck(name), &check) << name;
    }
    for (const char* unknown : {"", "programs", "programs.", "programs.names ", "Programs.names"}) {
        EXPECT_EQ(findCheck(unknown), nullptr) << "\"" << unknown << "\"";
    }
}

TEST(SignalChecks, NoiseIsRepeatableWithinItsPeakAndEachChannelItsOwn)
{
    const AudioBuffer noise = noiseSignal(2, 4000, 0.5f, 9);
    const AudioBuffer again = noiseSignal(2, 4000, 0.5f, 9);
    const AudioBuffer other = noiseSignal(2, 4000, 0.5f, 10);
    EXPECT_EQ(outputDifference(noise, again), "");
    EXPECT_NE(outputDifference(noise, other), "");
    EXPECT_NE(std::memcmp(noise.channel(0), noise.channel(1), 4000 * sizeof(float)), 0);
    for (int c = 0; c < 2; ++c) {
        for (size_t i = 0; i < noise.frames(); ++i) {
            ASSERT_LE(std::fabs(noise.channel(c)[i]), 0.5f) << c << " " << i;
        }
    }
    // Uniform noise has an RMS of peak over the square root of 3.
    EXPECT_NEAR(rootMeanSquare(noise, 0, noise.frames()), 0.5 / std::sqrt(3.0), 0.01);
}

struct RmsCase {
    size_t from;
    size_t to;
    double rms;
};

TEST(SignalChecks, RootMeanSquareCoversOnlyTheFramesAsked)
{
    AudioBuffer buffer(2, 10);
    for (size_t i = 5; i < 10; ++i) {
        buffer.channel(0)[i] = 0.5f;
        buffer.channel(1)[i] = -0.5f;
    }
    for (const RmsCase& c : {RmsCase{0, 5, 0.0}, RmsCase{5, 10, 0.5}, RmsCase{0, 10, std::sqrt(0.125)},
                             RmsCase{7, 7, 0.0}}) {
        EXPECT_DOUBLE_EQ(rootMeanSquare(buffer, c.from, c.to), c.rms) << c.from << ".." << c.to;
    }
    EXPECT_EQ(exactText(0.7f), "0.699999988");
    EXPECT_EQ(exactText(-2.0f), "-2");
}

TEST(ImportWatch, HooksOnceOnlyObjectsAndCountsEachThreadOnItsOwn)
{
    const PluginLibrary library(ALLOCATING_FIXTURE_PATH);
    hookImports(reinterpret_cast<const void*>(library.entry()));
    EXPECT_EQ(hookImports(reinterpret_cast<const void*>(library.entry())), 0) << "already hooked";
    const int local = 0;
    EXPECT_EQ(hookImports(&local), 0) << "the stack is no object";

    HostedPlugin plugin(library);
    plugin.prepare(44100.0f, 64);
    BlockBuffers block(plugin, 64);
    takeForbiddenCalls();
    uint64_t countedThere = 0;
    {
        const WatchedSection watchedHere;
        std::thread([&] {
            block.process(plugin);
            const WatchedSection watchedThere;
            block.process(plugin);
            countedThere = takeForbiddenCalls().count;
        }).join();
    }
    EXPECT_EQ(takeForbiddenCalls().count, 0u) << "another thread's calls are not this one's";
    EXPECT_EQ(countedThere, 2u) << "one watched block: a delete[] and a new[]";
}

}  // namespace
}  // namespace fendwick
