// The battery's list, gathered from the check groups.
#include "check_registry.h"

#include "check_groups.h"

namespace fendwick {

const std::vector<Check>& allChecks()
{
    static const std::vector<Check> checks = [] {
        std::vector<Check> all;
        for (const auto group : {loadingChecks, dispatcherChecks, parameterChecks, programChecks, processingChecks,
                                 hostileInputChecks, stateChecks, hostSequenceChecks, realtimeChecks, threadChecks,
                                 scaleChecks, editorChecks}) {
            const std::vector<Check> some = group();
            all.insert(all.end(), some.begin(), some.end());
        }
        return all;
    }();
    return checks;
}

const Check* findCheck(const std::string& name)
{
    for (const Check& check : allChecks()) {
        if (name == check.name) {
            return &check;
        }
    }
    return nullptr;
}

}  // namespace fendwick
