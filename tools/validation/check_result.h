// The verdict of one check as the battery reports it.
#pragma once

#include <string>

namespace fendwick {

enum class Verdict { passed, failed, skipped };

struct CheckResult {
    std::string name;
    Verdict verdict = Verdict::failed;
    // Why it failed or was skipped; empty for a pass.
    std::string reason;
};

// "pass", "FAIL" or "skip".
const char* verdictWord(Verdict verdict);

}  // namespace fendwick
