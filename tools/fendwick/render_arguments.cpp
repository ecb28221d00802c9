// The command line every build's `fendwick render` shares.
#include "render_arguments.h"

#include "usage_error.h"

namespace fendwick {

namespace {

constexpr long long kDefaultBlockSize = 512;
constexpr long long kLargestBlockSize = 1 << 16;

}  // namespace

std::vector<AcceptedOption> renderOptions(const std::vector<AcceptedOption>& ofThisBuild)
{
    std::vector<AcceptedOption> options = {
        {"program", true}, {"set", true}, {"block", true}, {"channel", true}, {"mix", false}, {"plugin-dir", true}};
    options.insert(options.end(), ofThisBuild.begin(), ofThisBuild.end());
    return options;
}

RenderArguments renderArgumentsOf(const CommandLine& line)
{
    if (line.operands().size() != 3) {
        throw UsageError("render needs PLUGIN IN OUT");
    }
    RenderArguments arguments{line.operands()[0], line.operands()[1], line.operands()[2],
                              static_cast<int>(line.integer("block", kDefaultBlockSize, 1, kLargestBlockSize)),
                              std::nullopt};
    if (line.has("channel")) {
        arguments.pickedChannel = static_cast<int>(line.integer("channel", 1, 1, 1024));
    }
    return arguments;
}

const char kRenderOptionsHelp[] =
    "  --program N|NAME      select a program by number or name first\n"
    "  --set NAME=VALUE      set a parameter to a value from 0 to 1\n"
    "                        (repeatable; applied after the program)\n"
    "  --block N             frames per process call (default 512)\n"
    "  --channel N           feed only channel N of IN (1 = left)\n"
    "  --mix                 feed the mix of all channels of IN\n";

}  // namespace fendwick
