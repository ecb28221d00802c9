// Choosing a plug-in's program and parameter values by name from the command line.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

class HostedPlugin;

// Every program's name: through the indexed name request, or, for a plug-in
// that refuses it, by selecting each program in turn and restoring the
// current one afterwards.
std::vector<std::string> programNames(HostedPlugin& plugin);

// Every parameter's name.
std::vector<std::string> parameterNames(HostedPlugin& plugin);

// The program a user means by a number or a name (exact, else ignoring
// case). Throws `ToolError` listing the valid programs when there is none.
int findProgram(HostedPlugin& plugin, const std::string& numberOrName);

// Applies one "NAME=VALUE" assignment (VALUE normalized, 0 to 1). A missing
// "=" or a VALUE that is no number throws `UsageError`; an unknown NAME
// (listing the valid ones) or a VALUE outside 0 to 1 throws `ToolError`.
void applySetting(HostedPlugin& plugin, const std::string& assignment);

}  // namespace fendwick
