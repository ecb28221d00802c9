// Reading the limiter switch and the output ceiling back from the plug-in.
#include "limiter_ceiling.h"

#include "hosted_plugin.h"
#include "number_text.h"

#include <cmath>

namespace fendwick {
namespace {

constexpr char kSwitchName[] = "PeakLimiter SW";
constexpr char kCeilingName[] = "Out Ceiling";
constexpr float kSwitchOn = 0.5f;
// The ceiling's text shows tenths of a dB.
constexpr double kShownDbStep = 0.05;

// Whether the switch's text and the ceiling's label and text say what the values are taken to mean.
bool textsAgree(HostedPlugin& plugin, int32_t switchIndex, int32_t ceilingIndex)
{
    const bool on = plugin.getParameter(switchIndex) >= kSwitchOn;
    if (plugin.parameterDisplay(switchIndex) != (on ? "On" : "Off") || plugin.parameterLabel(ceilingIndex) != "dB") {
        return false;
    }
    const double factor = plugin.getParameter(ceilingIndex);
    const std::string shown = plugin.parameterDisplay(ceilingIndex);
    if (factor <= 0.0) {
        return shown == "-oo";
    }
    const std::optional<double> shownDb = parseNumber(shown);
    return shownDb && std::fabs(*shownDb - 20.0 * std::log10(factor)) <= kShownDbStep;
}

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
    known_ = switchIndex_ >= 0 && ceilingIndex_ >= 0 && textsAgree(plugin, switchIndex_, ceilingIndex_);
}

std::optional<float> LimiterCeiling::bound(HostedPlugin& plugin) const
{
    if (!known_ || plugin.getParameter(switchIndex_) < kSwitchOn) {
        return std::nullopt;
    }
    return kLimitedPeak * plugin.getParameter(ceilingIndex_);
}

}  // namespace fendwick
