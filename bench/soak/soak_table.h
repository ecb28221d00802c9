// The soak's figures for several plug-ins, one row each, as a terminal table.
#pragma once

#include "soak_run.h"

#include <string>
#include <vector>

namespace fendwick {

std::string soakTable(const std::vector<SoakReport>& reports);

}  // namespace fendwick
