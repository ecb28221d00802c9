// Every check of the battery, in the order it runs.
#pragma once

#include "check.h"

#include <string>
#include <vector>

namespace fendwick {

// The loading check comes first: without an instance no other check can run.
const std::vector<Check>& allChecks();

// The check of that name, or null.
const Check* findCheck(const std::string& name);

}  // namespace fendwick
