// Where a plug-in's parameters say its peak limiter is on and how high its output ceiling sits.
#pragma once

#include <cstdint>
#include <optional>

namespace fendwick {

class HostedPlugin;

// Our Tolverin line limits its output when the switch "PeakLimiter SW" is at
// 0.5 or above (its text then reads "On"), and then scales the limited
// signal, held within ±0.999999, by the "Out Ceiling" value taken as a
// linear factor, whose text tells it in dB. The bound comes from the exact
// values; the texts confirm, once, that the values mean that. A plug-in
// without both parameters (the Ascarell line has no limiter), or whose
// texts say otherwise, has no ceiling this can read.
class LimiterCeiling {
public:
    // What the limited output never exceeds at full scale of the ceiling.
    static constexpr float kLimitedPeak = 0.999999f;

    // Finds the two parameters by name and reads their texts at the current values.
    explicit LimiterCeiling(HostedPlugin& plugin);

    bool known() const { return known_; }
    // The bound on every output sample under the current values, or nothing
    // while the limiter is off or the parameters are not known.
    std::optional<float> bound(HostedPlugin& plugin) const;

private:
    int32_t switchIndex_ = -1;
    int32_t ceilingIndex_ = -1;
    bool known_ = false;
};

}  // namespace fendwick
