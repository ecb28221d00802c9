// Running one check in a child process, so that a crash or a hang of the plug-in fails that check alone.
#pragma once

#include "check.h"
#include "check_result.h"

namespace fendwick {

// Forks; the child runs the check (which loads the plug-in itself) and sends
// its findings back through a pipe. A child killed by a signal fails the
// check with the signal's name; one that has not answered after
// `timeLimitSeconds` is killed and fails it as hung; one that ends without
// an answer (a plug-in calling exit()) fails it with what it last wrote to
// standard error. The caller's process never loads the plug-in.
CheckResult runIsolated(const Check& check, const CheckSettings& settings, double timeLimitSeconds);

}  // namespace fendwick
