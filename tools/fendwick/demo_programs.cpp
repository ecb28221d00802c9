// The demo's program choice per plug-in.
#include "demo_programs.h"

#include <algorithm>
#include <utility>

namespace fendwick {
namespace {

// Single-band lines show their drum programs, multiband ones their mastering ones.
constexpr std::pair<const char*, const char*> kCharacteristic[] = {
    {"ascarell", "Drum"},
    {"ascarell_mono", "Drum"},
    {"ascarell3", "Master Basic"},
    {"ascarell3_mono", "Master Basic"},
    {"tolverin", "Drum Loud"},
    {"tolverin_mono", "Drum Loud"},
    {"tolverin3_mono", "Master Hard"},
};

}  // namespace

int characteristicProgram(const std::string& deliverable, const std::vector<std::string>& programNames)
{
    for (const auto& entry : kCharacteristic) {
        if (deliverable == entry.first) {
            const auto found = std::find(programNames.begin(), programNames.end(), entry.second);
            if (found != programNames.end()) {
                return static_cast<int>(found - programNames.begin());
            }
        }
    }
    return programNames.size() > 1 ? 1 : 0;
}

}  // namespace fendwick
