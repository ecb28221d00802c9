// The battery's own parts: what a plug-in wrote into a buffer, and a check's process ending every way it can.
#include "block_buffers.h"
#include "hosted_plugin.h"
#include "import_watch.h"
#include "isolated_check.h"
#include "plugin_library.h"
#include "watched_buffer.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstring>
#include <stdexcept>
#include <unistd.h>

namespace fendwick {
namespace {

struct WrittenText {
    const char* what;
    // Bytes the plug-in writes, terminator included where it writes one.
    std::string bytes;
    size_t boundBytes;
    // Empty: no fault.
    const char* fault;
};

const WrittenText kWrittenTexts[] = {
    {"nothing written", "", 9, ""},
    {"a short name", std::string("Gain\0", 5), 9, ""},
    {"8 characters and the terminator", std::string("Ratio 2:\0", 9), 9, ""},
    {"zeros up to the bound after the text", std::string("Gain\0\0\0\0\0", 9), 9, ""},
    {"UTF-8 is printable", std::string("Gr\xC3\xB6\xC3\x9F" "e\0", 8), 9, ""},
    {"one character too many", std::string("Threshold\0", 10), 9, "wrote 10 bytes where hosts give 9"},
    {"zeros past the bound", std::string("Gain\0\0\0\0\0\0", 10), 9, "wrote 10 bytes"},
    {"no terminator", "Gain", 9, "no terminator in 4 written bytes"},
    {"a control character", std::string("Ga\tin\0", 6), 9, "unprintable characters"},
    {"a program name of 24 bytes", std::string(23, 'p') + '\0', 24, ""},
    {"a program name of 25 bytes", std::string(24, 'p') + '\0', 24, "wrote 25 bytes where hosts give 24"},
};

TEST(WatchedBuffer, TextFaultsAreFoundAndRightTextsPass)
{
    for (const WrittenText& c : kWrittenTexts) {
        WatchedBuffer buffer;
        std::memcpy(buffer.data(), c.bytes.data(), c.bytes.size());
        const std::string fault = textFault(buffer, c.boundBytes, "name");
        if (std::string(c.fault).empty()) {
            EXPECT_EQ(fault, "") << c.what;
        } else {
            EXPECT_NE(fault.find(c.fault), std::string::npos) << c.what << ": " << fault;
        }
    }
}

// Checks that end every way a check's process can end.
void passes(const CheckSettings&, Findings&) {}
void findsTwoFaults(const CheckSettings&, Findings& findings)
{
    findings.fail("first fault");
    findings.fail("second fault");
}
void findsTooManyFaults(const CheckSettings&, Findings& findings)
{
    for (int i = 0; i < 10; ++i) {
        findings.fail("fault " + std::to_string(i));
    }
}
void doesNotApply(const CheckSettings&, Findings& findings)
{
    findings.skip("no accumulating entry");
}
void throws(const CheckSettings& settings, Findings&)
{
    throw std::runtime_error(settings.pluginPath + ": the plug-in's entry returned no instance");
}
void crashes(const CheckSettings&, Findings& findings)
{
    findings.attempt("opcode 1 (index 0, value 0)");
    findings.attempt("opcode 2 (index 0, value 0)");
    raise(SIGSEGV);
}
void aborts(const CheckSettings&, Findings&)
{
    const char said[] = "the plug-in said why\n";
    (void)!write(STDERR_FILENO, said, sizeof(said) - 1);
    abort();
}
void exits(const CheckSettings&, Findings&)
{
    std::fputs("leaving now\n", stderr);
    std::exit(3);
}
void hangs(const CheckSettings&, Findings& findings)
{
    findings.attempt("processing blocks of 7 frames");
    for (;;) {
        pause();
    }
}

struct IsolatedCase {
    Check check;
    Verdict verdict;
    const char* reason;
};

const IsolatedCase kIsolatedCases[] = {
    {{"t.pass", "", passes}, Verdict::passed, ""},
    {{"t.faults", "", findsTwoFaults}, Verdict::failed, "first fault; second fault"},
    {{"t.many", "", findsTooManyFaults}, Verdict::failed, "fault 0; fault 1; fault 2; and 7 more"},
    {{"t.skip", "", doesNotApply}, Verdict::skipped, "no accumulating entry"},
    {{"t.throw", "", throws}, Verdict::failed, "x.so: the plug-in's entry returned no instance"},
    {{"t.crash", "", crashes}, Verdict::failed,
     "signal 11 (Segmentation fault) while asking: opcode 2 (index 0, value 0)"},
    {{"t.abort", "", aborts}, Verdict::failed, "signal 6 (Aborted); it wrote: the plug-in said why"},
    {{"t.exit", "", exits}, Verdict::failed, "ended with exit code 3 before it could answer; it wrote: leaving now"},
    {{"t.hang", "", hangs}, Verdict::failed, "no answer within 0.5 s while asking: processing blocks of 7 frames"},
};

TEST(IsolatedCheck, EveryEndOfTheChildIsItsVerdictWithAReason)
{
    for (const IsolatedCase& c : kIsolatedCases) {
        const CheckResult result = runIsolated(c.check, CheckSettings{"x.so", true}, 0.5);
        EXPECT_EQ(result.name, c.check.name);
        EXPECT_EQ(verdictWord(result.verdict), std::string(verdictWord(c.verdict))) << c.check.name;
        EXPECT_NE(result.reason.find(c.reason), std::string::npos) << c.check.name << ": " << result.reason;
    }
}

struct WatchCase {
    const char* fixture;
    bool watched;
    // The first forbidden call counted in a block; null for none.
    const char* first;
    uint64_t perBlock;
};

// Only the plug-in's own calls count, and only inside a watched section.
const WatchCase kWatchCases[] = {
    {GAIN_FIXTURE_PATH, true, nullptr, 0},
    {ALLOCATING_FIXTURE_PATH, true, "operator delete[]", 2},
    {ALLOCATING_FIXTURE_PATH, false, nullptr, 0},
    {LOCKING_FIXTURE_PATH, true, "pthread_mutex_lock", 1},
    {LOCKING_FIXTURE_PATH, false, nullptr, 0},
};

TEST(ImportWatch, CountsTheForbiddenCallsOfAWatchedPlugInAlone)
{
    constexpr int kBlocks = 3;
    for (const WatchCase& c : kWatchCases) {
        const PluginLibrary library(c.fixture);
        hookImports(reinterpret_cast<const void*>(library.entry()));
        HostedPlugin plugin(library);
        plugin.prepare(44100.0f, 64);
        BlockBuffers block(plugin, 64);
        block.process(plugin);
        takeForbiddenCalls();
        for (int number = 0; number < kBlocks; ++number) {
            std::unique_ptr<WatchedSection> section = c.watched ? std::make_unique<WatchedSection>() : nullptr;
            // The host's own allocation, watched or not, is never counted.
            const std::vector<float> hostSide(64);
            block.process(plugin);
        }
        const ForbiddenCalls calls = takeForbiddenCalls();
        EXPECT_EQ(calls.count, c.perBlock * kBlocks) << c.fixture << (c.watched ? " watched" : "");
        EXPECT_STREQ(calls.first, c.first) << c.fixture;
        EXPECT_EQ(takeForbiddenCalls().count, 0u) << "a take empties the count";
    }
}

}  // namespace
}  // namespace fendwick
