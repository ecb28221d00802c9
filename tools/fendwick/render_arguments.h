// What `fendwick render` reads from its command line on every build.
#pragma once

#include "command_line.h"

#include <optional>
#include <string>
#include <vector>

namespace fendwick {

struct RenderArguments {
    std::string plugin;
    std::string inPath;
    std::string outPath;
    int blockSize;
    std::optional<int> pickedChannel;  // --channel N, counted from 1
};

// The options render takes on every build, then those of one build.
std::vector<AcceptedOption> renderOptions(const std::vector<AcceptedOption>& ofThisBuild);

// The help lines of the options render takes on every build, for its usage text.
extern const char kRenderOptionsHelp[];

// PLUGIN IN OUT, --block and --channel; throws UsageError when an operand is missing.
RenderArguments renderArgumentsOf(const CommandLine& line);

}  // namespace fendwick
