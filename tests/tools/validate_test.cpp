// `fendwick validate` on our plug-ins, which pass, and on fixtures that misbehave, which fail the right checks.
#include "json_reader.h"
#include "test_plugins.h"
#include "tool_process.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <sstream>

namespace fendwick {
namespace {

using test::runTool;
using test::ToolRun;

struct Reported {
    std::string verdict;
    // The line after a failure: its reason; and the one after that.
    std::string reason;
    std::string reproduce;
};

// Every check line of the text report, by check name.
std::map<std::string, Reported> reportedChecks(const std::string& out)
{
    std::map<std::string, Reported> checks;
    std::istringstream lines(out);
    std::string last;
    for (std::string line; std::getline(lines, line);) {
        const std::string word = line.substr(0, 4);
        if (word == "pass" || word == "FAIL" || word == "skip") {
            last = line.substr(6, line.find(' ', 6) - 6);
            checks[last].verdict = word;
        } else if (line.rfind("      reproduce: ", 0) == 0 && !last.empty()) {
            checks[last].reproduce = line.substr(17);
        } else if (line.rfind("      ", 0) == 0 && !last.empty()) {
            checks[last].reason = line.substr(6);
        }
    }
    return checks;
}

// The number of checks the battery has, from the help text.
size_t batterySize()
{
    const std::string help = runTool({"help", "validate"}).out;
    std::istringstream lines(help.substr(help.find("checks:\n")));
    size_t count = 0;
    for (std::string line; std::getline(lines, line);) {
        count += line.rfind("  ", 0) == 0 && line[2] != ' ' ? 1 : 0;
    }
    return count;
}

// The check whose verdict is a ratio of times, which the machine's load can
// tip either way between two runs.
bool timedCheck(const std::string& name) { return name == "processing.tail-cost"; }

TEST(Validate, EveryPluginOfOursPassesTheWholeBattery)
{
    const size_t checks = batterySize();
    ASSERT_GE(checks, 28u);
    for (const char* name : {"ascarell", "ascarell_mono", "ascarell3", "ascarell3_mono", "tolverin", "tolverin_mono",
                             "tolverin3_mono"}) {
        SKIP_UNLESS_FILE(test::ourPlugin(name));
        const ToolRun run = runTool({"validate", test::ourPlugin(name)});
        const auto reported = reportedChecks(run.out);
        EXPECT_EQ(reported.size(), checks) << name;
        for (const auto& [check, verdict] : reported) {
            if (!timedCheck(check)) {
                EXPECT_NE(verdict.verdict, "FAIL") << name << " " << check << ": " << verdict.reason;
            }
        }
    }
}

struct HostileCase {
    const char* fixture;
    const char* check;
    const char* phrase;
};

// Each misbehaviour fails the check that looks for it, saying what happened.
const HostileCase kHostileCases[] = {
    {GAIN_FIXTURE_PATH, "parameters.values", "parameter 0 set to -1 reads back -1"},
    {NAN_OUTPUT_FIXTURE_PATH, "processing.block-sizes", "non-finite sample in a block of 4096 frames"},
    {NAN_OUTPUT_FIXTURE_PATH, "processing.hostile-input", "the output is not finite"},
    {NAN_OUTPUT_FIXTURE_PATH, "processing.accumulating", "differs from replacing"},
    {OVERRUN_TEXTS_FIXTURE_PATH, "load.identity-texts", "effect name: wrote 1040 bytes where hosts give 32"},
    {OVERRUN_TEXTS_FIXTURE_PATH, "programs.selection", "wrote 1040 bytes where hosts give 24"},
    {OVERRUN_TEXTS_FIXTURE_PATH, "programs.names", "program name of program 0: wrote 1040 bytes"},
    {DUPLICATE_NAMES_FIXTURE_PATH, "programs.names", "programs 0 and 1 are both named \"Unity\""},
    {LONG_TEXTS_FIXTURE_PATH, "parameters.values", "parameter 0 name after setting 0: wrote 600 bytes where hosts give"},
    {LONG_TEXTS_FIXTURE_PATH, "dispatcher.requests", "wrote 600 bytes"},
    {LONG_TEXTS_FIXTURE_PATH, "hosts.presets-list", "name of program 0: wrote 600 bytes"},
    {EXIT_IN_ENTRY_FIXTURE_PATH, "load.instance", "the plug-in ended the process while creating its instance"},
    {CRASH_IN_ACCUMULATING_FIXTURE_PATH, "processing.accumulating",
     "the plug-in crashed: signal 11 (Segmentation fault) while asking: the accumulating entry"},
    {HANG_ON_UNKNOWN_OPCODE_FIXTURE_PATH, "dispatcher.requests",
     "the plug-in hung: no answer within 2 s while asking: opcode 81"},
    {HIDDEN_PROGRAM_STATE_FIXTURE_PATH, "state.restore-without-program",
     "own settings on program 1, restored without the program number: the output differs"},
    {HIDDEN_PROGRAM_STATE_FIXTURE_PATH, "hosts.program-carried-over",
     "program 1 carried over as parameter values sounds different from the program selected"},
    // The plain fixture sleeps in every block once its "Slow" switch is on.
    {GAIN_FIXTURE_PATH, "realtime.audio-thread", "called usleep in process call"},
    {ALLOCATING_FIXTURE_PATH, "realtime.audio-thread",
     "called operator delete[] (and 1 more forbidden calls) in process call 5 (replacing, 512 frames"},
    {LOCKING_FIXTURE_PATH, "realtime.audio-thread", "called pthread_mutex_lock in process call 5 (replacing"},
    {RACING_FIXTURE_PATH, "threads.control-beside-audio",
     "signal 11 (Segmentation fault) while asking: processing on one thread while another sets parameters"},
    {CRASH_IN_EDITOR_OPEN_FIXTURE_PATH, "editor.rounds-without-display",
     "signal 11 (Segmentation fault) while asking: editor open, idle and close with no display, round 1"},
    {CRASH_IN_EDITOR_OPEN_FIXTURE_PATH, "editor.audio-without-display",
     "signal 11 (Segmentation fault) while asking: editor open with no display"},
    {CRASH_IN_EDITOR_OPEN_FIXTURE_PATH, "threads.editor-beside-audio",
     "crashed: signal 11 (Segmentation fault) while asking: editor rounds with no display"},
    {CRASH_IN_EDITOR_IDLE_FIXTURE_PATH, "editor.rounds-without-display",
     "signal 11 (Segmentation fault) while asking: editor open, idle and close with no display, round 1"},
};

TEST(Validate, HostileFixturesFailTheRightChecksWithAReason)
{
    std::map<std::string, ToolRun> runs;
    for (const HostileCase& c : kHostileCases) {
        if (runs.count(c.fixture) == 0) {
            runs[c.fixture] = runTool({"validate", c.fixture, "--quick", "--time-limit", "2"});
        }
        const ToolRun& run = runs[c.fixture];
        EXPECT_EQ(run.exitCode, 1) << c.fixture;
        const Reported reported = reportedChecks(run.out)[c.check];
        EXPECT_EQ(reported.verdict, "FAIL") << c.fixture << " " << c.check << "\n" << run.out;
        EXPECT_NE(reported.reason.find(c.phrase), std::string::npos) << c.fixture << " " << c.check << ": "
                                                                      << reported.reason;
    }
}

// A check that crashes or hangs is that check's failure; the battery goes on
// and the plug-in's other checks pass as they do on the plain build.
TEST(Validate, TheBatteryGoesOnPastACrashAndAHang)
{
    const auto plain = reportedChecks(runTool({"validate", GAIN_FIXTURE_PATH, "--quick"}).out);
    for (const auto& [fixture, broken] : {std::pair<const char*, const char*>{CRASH_IN_ACCUMULATING_FIXTURE_PATH,
                                                                                "processing.accumulating"},
                                          {HANG_ON_UNKNOWN_OPCODE_FIXTURE_PATH, "dispatcher.requests"}}) {
        const auto reported = reportedChecks(runTool({"validate", fixture, "--quick", "--time-limit", "2"}).out);
        ASSERT_EQ(reported.size(), plain.size()) << fixture;
        for (const auto& [check, verdict] : plain) {
            if (timedCheck(check)) {
                continue;
            }
            const std::string expected = check == broken ? "FAIL" : verdict.verdict;
            EXPECT_EQ(reported.at(check).verdict, expected) << fixture << " " << check;
        }
    }
}

struct DisplayCase {
    const char* display;
    const char* verdict;
};

// The editor opens on the display when there is one, and the check says so
// when there is none; either way nothing else changes.
TEST(Validate, TheEditorIsTriedOnTheDisplayWhenThereIsOne)
{
    SKIP_UNLESS_FILE(test::ourPlugin("ascarell"));
    const char* present = std::getenv("DISPLAY");
    const DisplayCase cases[] = {{"", "skip"}, {present != nullptr ? present : "", "pass"}};
    for (const DisplayCase& c : cases) {
        if (std::string(c.verdict) == "pass" && std::string(c.display).empty()) {
            continue;
        }
        const ToolRun run = runTool({"validate", test::ourPlugin("ascarell"), "--quick", "--only",
                                     "editor.rounds-on-display", "--only", "threads.editor-beside-audio"},
                                    {{"DISPLAY", c.display}});
        auto reported = reportedChecks(run.out);
        EXPECT_EQ(reported["editor.rounds-on-display"].verdict, c.verdict) << "DISPLAY=" << c.display << run.out;
        EXPECT_EQ(reported["threads.editor-beside-audio"].verdict, "pass") << "DISPLAY=" << c.display << run.out;
    }
}

TEST(Validate, AnInstanceThatNeverComesSkipsTheRest)
{
    const auto reported = reportedChecks(runTool({"validate", EXIT_IN_ENTRY_FIXTURE_PATH, "--quick"}).out);
    for (const auto& [check, verdict] : reported) {
        EXPECT_EQ(verdict.verdict, check == "load.instance" ? "FAIL" : "skip") << check;
    }
}

TEST(Validate, TheReproductionRunsTheFailedCheckAloneWithTheSameFault)
{
    const ToolRun battery = runTool({"validate", NAN_OUTPUT_FIXTURE_PATH, "--quick"});
    const Reported failed = reportedChecks(battery.out)["processing.hostile-input"];
    ASSERT_EQ(failed.reproduce.rfind(std::string("fendwick validate ") + NAN_OUTPUT_FIXTURE_PATH, 0), 0u)
        << failed.reproduce;
    std::istringstream words(failed.reproduce);
    std::vector<std::string> arguments;
    for (std::string word; words >> word;) {
        arguments.push_back(word);
    }
    const ToolRun alone = runTool({arguments.begin() + 1, arguments.end()});
    EXPECT_EQ(alone.exitCode, 1);
    const auto reported = reportedChecks(alone.out);
    ASSERT_EQ(reported.size(), 1u) << alone.out;
    EXPECT_EQ(reported.begin()->second.reason, failed.reason);
}

TEST(Validate, JsonParsesAndHoldsTheSameVerdicts)
{
    // A fixture with passes, a failure and a skip.
    for (const char* fixture : {CRASH_IN_ACCUMULATING_FIXTURE_PATH, EXIT_IN_ENTRY_FIXTURE_PATH}) {
        const ToolRun text = runTool({"validate", fixture, "--quick"});
        const ToolRun json = runTool({"validate", fixture, "--quick", "--json"});
        EXPECT_EQ(json.exitCode, text.exitCode) << fixture;
        const auto parsed = test::parseJson(json.out);
        ASSERT_TRUE(parsed.has_value()) << json.out;
        const auto reported = reportedChecks(text.out);
        const auto& checks = (*parsed)["checks"].items;
        ASSERT_EQ(checks.size(), reported.size()) << fixture;
        int failed = 0;
        for (const test::JsonValue& check : checks) {
            failed += check["verdict"].text == "FAIL" ? 1 : 0;
            const Reported& line = reported.at(check["name"].text);
            if (timedCheck(check["name"].text)) {
                continue;
            }
            EXPECT_EQ(check["verdict"].text, line.verdict) << check["name"].text;
            if (line.verdict == "FAIL") {
                EXPECT_EQ(check["reason"].text, line.reason);
                EXPECT_EQ(check["reproduce"].text, line.reproduce);
            }
        }
        EXPECT_EQ((*parsed)["failed"].number, failed);
        EXPECT_EQ((*parsed)["plugin"].text, fixture);
    }
}

// Checks named in any order run in that order, and nothing else.
TEST(Validate, OnlyRunsTheNamedChecksInTheOrderGiven)
{
    const std::vector<std::vector<std::string>> selections = {
        {"programs.names"},
        {"programs.rename", "load.instance"},
        {"programs.outside-indexes", "load.identity-texts", "programs.names"},
    };
    for (const auto& names : selections) {
        std::vector<std::string> arguments = {"validate", GAIN_FIXTURE_PATH, "--quick"};
        for (const std::string& name : names) {
            arguments.insert(arguments.end(), {"--only", name});
        }
        const ToolRun run = runTool(arguments);
        std::vector<std::string> ran;
        std::istringstream lines(run.out);
        for (std::string line; std::getline(lines, line);) {
            if (line.rfind("pass  ", 0) == 0) {
                ran.push_back(line.substr(6));
            }
        }
        EXPECT_EQ(ran, names) << run.out;
        EXPECT_EQ(run.exitCode, 0) << run.out;
    }
}

// The shape a script reads: the counts add up to the checks, and only a
// failure carries a command to reproduce it.
TEST(Validate, JsonCountsAddUpAndOnlyFailuresCarryAReproduction)
{
    struct JsonCase {
        std::vector<std::string> arguments;
        const char* form;
    };
    const JsonCase cases[] = {
        {{"validate", NAN_OUTPUT_FIXTURE_PATH, "--json", "--quick", "--only", "load.instance", "--only",
          "processing.hostile-input", "--only", "programs.rename"},
         "quick"},
        {{"validate", GAIN_FIXTURE_PATH, "--json", "--only", "programs.names"}, "full"},
    };
    for (const JsonCase& c : cases) {
        const auto parsed = test::parseJson(runTool(c.arguments).out);
        ASSERT_TRUE(parsed.has_value()) << c.form;
        EXPECT_EQ((*parsed)["form"].text, c.form);
        const auto& checks = (*parsed)["checks"].items;
        EXPECT_EQ((*parsed)["passed"].number + (*parsed)["failed"].number + (*parsed)["skipped"].number,
                  static_cast<double>(checks.size()));
        for (const test::JsonValue& check : checks) {
            const bool failed = check["verdict"].text == "FAIL";
            EXPECT_EQ(check.members.count("reproduce"), failed ? 1u : 0u) << check["name"].text;
            EXPECT_EQ(check["reason"].text.empty(), check["verdict"].text == "pass") << check["name"].text;
        }
    }
}

TEST(Validate, CommandLineMistakesAreUsageErrors)
{
    const std::vector<std::vector<std::string>> mistakes = {
        {"validate"},
        {"validate", GAIN_FIXTURE_PATH, "--only", "no.such-check"},
        {"validate", GAIN_FIXTURE_PATH, GAIN_FIXTURE_PATH},
        {"validate", GAIN_FIXTURE_PATH, "--time-limit", "0"},
        {"validate", GAIN_FIXTURE_PATH, "--time-limit", "-5"},
        {"validate", GAIN_FIXTURE_PATH, "--time-limit", "soon"},
        {"validate", GAIN_FIXTURE_PATH, "--time-limit", "1e9"},
        {"validate", GAIN_FIXTURE_PATH, "--time-limit"},
        {"validate", GAIN_FIXTURE_PATH, "--only"},
    };
    for (const auto& arguments : mistakes) {
        EXPECT_EQ(runTool(arguments).exitCode, 2) << arguments.back();
    }
}

}  // namespace
}  // namespace fendwick
