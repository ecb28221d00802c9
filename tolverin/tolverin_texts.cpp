// The character parameters in words: host names, labels, and how each value
// reads in units for the host and the editor, in the stereo and the mono build.
#include "tolverin_tables.h"

#include "character_value_types.h"
#include "choice_value.h"
#include "compressor_value_types.h"
#include "percent_value.h"

namespace fendwick {

namespace {

constexpr PercentValue kEnhancerAmount(nullptr, nullptr);

// The editor's value fields show the bare value with its unit; switches show
// their state by their pictures alone. Each row is written once and placed
// in both builds' lists.
constexpr ParameterRow kStereoLink{"StereoLink", "", &kOnOffSwitch, nullptr};
constexpr ParameterRow kLoCut{"LoCut", "", &kOnOffSwitch, nullptr};
constexpr ParameterRow kPeakLimiter{"PeakLimiter SW", "", &kOnOffSwitch, nullptr};
constexpr ParameterRow kReduction{"Reduction", "", &kOnOffSwitch, nullptr};
constexpr ParameterRow kThresh{"Thresh", "dB", &kCompressorThreshold, ""};
constexpr ParameterRow kRatio{"Ratio", "", &kCompressorRatio, ""};
constexpr ParameterRow kAttack{"Attack", "ms", &kCompressorAttackShown, ""};
constexpr ParameterRow kRelease{"Release", "ms", &kCompressorRelease, ""};
constexpr ParameterRow kArc{"ARC", "", &kOnOffSwitch, nullptr};
constexpr ParameterRow kCharacterRow{"Character", "", &kCharacterCurve, nullptr};
constexpr ParameterRow kCharacterModeRow{"Character mode", "", &kCharacterCurveSet, nullptr};
constexpr ParameterRow kOutLevel{"OutLevel", "dB", &kCompressorGain, ""};
constexpr ParameterRow kOutCeiling{"Out Ceiling", "dB", &kOutputCeiling, ""};
constexpr ParameterRow kStereoEnh{"StereoEnh", "%", &kEnhancerAmount, ""};
constexpr ParameterRow kStereoEnhSwitch{"StereoEnhSW", "", &kOnOffSwitch, nullptr};

}  // namespace

const ParameterRow kTolverinParameterRows[] = {
    kStereoLink, kLoCut, kPeakLimiter, kReduction, kThresh, kRatio, kAttack, kRelease,
    kArc, kCharacterRow, kCharacterModeRow, kOutLevel, kOutCeiling, kStereoEnh, kStereoEnhSwitch};

const ParameterRow kTolverinMonoParameterRows[] = {
    kLoCut, kPeakLimiter, kReduction, kThresh, kRatio, kAttack, kRelease,
    kArc, kCharacterRow, kCharacterModeRow, kOutLevel, kOutCeiling};

}  // namespace fendwick
