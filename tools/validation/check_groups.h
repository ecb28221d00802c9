// The groups of checks the battery runs, one source file each, in the order they run.
#pragma once

#include "check.h"

#include <vector>

namespace fendwick {

std::vector<Check> loadingChecks();
std::vector<Check> dispatcherChecks();
std::vector<Check> parameterChecks();
std::vector<Check> programChecks();
std::vector<Check> processingChecks();
std::vector<Check> hostileInputChecks();
std::vector<Check> stateChecks();
std::vector<Check> hostSequenceChecks();
std::vector<Check> realtimeChecks();
std::vector<Check> threadChecks();
std::vector<Check> scaleChecks();
std::vector<Check> editorChecks();

}  // namespace fendwick
