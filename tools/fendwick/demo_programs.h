// Which program shows off each plug-in of ours in the demo.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

// The characteristic program of `deliverable` ("ascarell", "tolverin3_mono",
// ...) by name from a small table; a plug-in not in the table, or without
// that name among `programNames`, gets program 1 (0 when it has only one).
int characteristicProgram(const std::string& deliverable, const std::vector<std::string>& programNames);

}  // namespace fendwick
