// Reading the limiter switch and the output ceiling back from the plug-in.
#include "limiter_ceiling.h"

#include "hosted_plugin.h"

namespace fendwick {
namespace {

constexpr char kSwitchName[] = "PeakLimiter SW";
constexpr char kCeilingName[] = "Out Ceiling";
constexpr float kSwitchOn = 0.5f;

}  // namespace

LimiterCeiling::LimiterCeiling(HostedPlugin& plugin)
{
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        const std::string name = plugin.parameterName(index);
        if (name == kSwitchName) {
            switchIndex_ = index;
        } else if (name == kCeilingName) {
            ceilingIndex_ = index;
        }
    }
}

std::optional<float> LimiterCeiling::bound(HostedPlugin& plugin) const
{
    if (!known() || plugin.getParameter(switchIndex_) < kSwitchOn) {
        return std::nullopt;
    }
    return kLimitedPeak * plugin.getParameter(ceilingIndex_);
}

}  // namespace fendwick
