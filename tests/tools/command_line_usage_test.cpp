// The tool's usage texts and exit codes for help and for malformed command lines.
#include "tool_process.h"

#include <gtest/gtest.h>

namespace fendwick {
namespace {

using test::runTool;
using test::ToolRun;

TEST(Usage, HelpGoesToStandardOutputAndSucceeds)
{
    for (const std::vector<std::string>& arguments :
         {std::vector<std::string>{"--help"}, {"-h"}, {"help"}}) {
        const ToolRun run = runTool(arguments);
        EXPECT_EQ(run.exitCode, 0);
        EXPECT_EQ(run.out.rfind("usage: fendwick COMMAND", 0), 0u) << run.out;
        EXPECT_EQ(run.err, "");
    }
    for (const char* command : {"info", "render", "bench", "demo", "shot", "meters"}) {
        const ToolRun help = runTool({"help", command});
        EXPECT_EQ(help.exitCode, 0);
        EXPECT_EQ(help.out.rfind(std::string("usage: fendwick ") + command, 0), 0u) << help.out;
        EXPECT_EQ(runTool({command, "--help"}).out, help.out);
    }
    EXPECT_NE(runTool({"help", "render"}).out.find("--set NAME=VALUE"), std::string::npos);
}

TEST(Usage, MalformedCommandLinesExitWithTwo)
{
    struct Case {
        std::vector<std::string> arguments;
        const char* phrase;
    };
    const Case cases[] = {
        {{}, "usage: fendwick COMMAND"},
        {{"frobnicate"}, "no command \"frobnicate\""},
        {{"help", "frobnicate"}, "no command \"frobnicate\""},
        {{"info"}, "info needs exactly one PLUGIN"},
        {{"info", "ascarell", "--verbose"}, "unknown option --verbose"},
        {{"info", "ascarell", "--json=yes"}, "--json takes no value"},
        {{"render", "ascarell", "in.wav"}, "render needs PLUGIN IN OUT"},
        {{"render", "ascarell", "in.wav", "out.wav", "--block"}, "--block needs a value"},
        {{"render", "ascarell", "in.wav", "out.wav", "--block", "0"}, "--block needs a whole number from 1"},
        {{"render", "ascarell", "in.wav", "out.wav", "--block=many"}, "not \"many\""},
        {{"bench", "--seconds", "-1"}, "--seconds needs a number"},
        {{"bench", "--rate", "fast"}, "--rate needs a number"},
        {{"demo", "a", "b"}, "demo takes at most one OUTDIR"},
        {{"meters", "tolverin"}, "meters needs PLUGIN IN"},
        {{"meters", "tolverin", "in.wav", "--csv=yes"}, "--csv takes no value"},
        {{"shot", "tolverin", "a.png", "--input"}, "--input needs a value"},
    };
    for (const Case& c : cases) {
        const ToolRun run = runTool(c.arguments);
        EXPECT_EQ(run.exitCode, 2) << c.phrase;
        EXPECT_NE(run.err.find(c.phrase), std::string::npos) << "missing \"" << c.phrase << "\" in: " << run.err;
        EXPECT_EQ(run.out, "");
    }
}

}  // namespace
}  // namespace fendwick
