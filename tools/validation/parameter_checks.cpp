// Parameters set to anything a host or a broken automation lane may send, read back and shown as text.
#include "check_groups.h"
#include "checked_instance.h"
#include "interface_sizes.h"
#include "noise_generator.h"
#include "signal_checks.h"
#include "watched_buffer.h"

#include <climits>
#include <cmath>
#include <limits>

namespace fendwick {
namespace {

constexpr float kInfinity = std::numeric_limits<float>::infinity();

// The ends, the middle, values outside 0..1, non-finite ones and a denormal.
constexpr float kEdgeValues[] = {0.0f,   1.0f,       0.5f,      -1.0f,      2.0f, 1e30f, -1e30f,
                                 1e-40f, -1e-40f,    kInfinity, -kInfinity, std::numeric_limits<float>::quiet_NaN()};
constexpr int kRandomValues = 16;
constexpr int kQuickRandomValues = 4;

constexpr int32_t kOutsideOffsets[] = {0, 1, 1000};
constexpr int32_t kOutsideIndexes[] = {-1, INT_MAX, INT_MIN};

struct ParameterText {
    int32_t opcode;
    const char* what;
};

constexpr ParameterText kParameterTexts[] = {
    {EffectOpcode::getParameterName, "name"},
    {EffectOpcode::getParameterLabel, "label"},
    {EffectOpcode::getParameterDisplay, "display text"},
};

std::vector<float> valuesToSet(bool quick)
{
    std::vector<float> values(std::begin(kEdgeValues), std::end(kEdgeValues));
    NoiseGenerator random(17);
    for (int i = 0; i < (quick ? kQuickRandomValues : kRandomValues); ++i) {
        values.push_back(0.5f + 0.5f * random.next());
    }
    return values;
}

void checkTexts(HostedPlugin& plugin, int32_t index, const std::string& when, Findings& findings)
{
    for (const ParameterText& text : kParameterTexts) {
        WatchedBuffer buffer;
        plugin.dispatch(text.opcode, index, 0, buffer.data());
        const std::string what = "parameter " + std::to_string(index) + " " + text.what + when;
        findings.failOn(textFault(buffer, kParameterTextBytes, what));
    }
}

void checkValues(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    const std::vector<float> values = valuesToSet(settings.quick);
    for (int32_t index = 0; index < plugin->numParameters(); ++index) {
        for (const float value : values) {
            findings.attempt("parameter " + std::to_string(index) + " set to " + exactText(value));
            plugin->setParameter(index, value);
            const float back = plugin->getParameter(index);
            if (!(back >= 0.0f && back <= 1.0f)) {
                findings.fail("parameter " + std::to_string(index) + " set to " + exactText(value) + " reads back " +
                              exactText(back));
            }
            checkTexts(*plugin, index, " after setting " + exactText(value), findings);
        }
    }
}

std::vector<float> allValues(HostedPlugin& plugin)
{
    std::vector<float> values;
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        values.push_back(plugin.getParameter(index));
    }
    return values;
}

void checkOutsideIndexes(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    std::vector<int32_t> indexes(std::begin(kOutsideIndexes), std::end(kOutsideIndexes));
    for (const int32_t offset : kOutsideOffsets) {
        indexes.push_back(plugin->numParameters() + offset);
    }
    for (const int32_t index : indexes) {
        const std::vector<float> before = allValues(*plugin);
        findings.attempt("parameter " + std::to_string(index) + ", which does not exist, set and read");
        plugin->setParameter(index, 0.7f);
        if (allValues(*plugin) != before) {
            findings.fail("setting parameter " + std::to_string(index) + ", which does not exist, changed another");
        }
        const float back = plugin->getParameter(index);
        if (!(back >= 0.0f && back <= 1.0f)) {
            findings.fail("parameter " + std::to_string(index) + ", which does not exist, reads " + exactText(back));
        }
        checkTexts(*plugin, index, " (no such parameter)", findings);
    }
}

}  // namespace

std::vector<Check> parameterChecks()
{
    return {{"parameters.values",
             "every parameter set to 0, 1, random, out-of-range, NaN and infinite values reads back within 0..1, "
             "its name, label and display text printable and terminated",
             checkValues},
            {"parameters.outside-indexes",
             "indexes below 0 and past the count change nothing, read back within 0..1 and write texts in bounds",
             checkOutsideIndexes}};
}

}  // namespace fendwick
