// A host's save and restore without chunks: the program number, then every parameter in index order.
#include "check_groups.h"
#include "checked_instance.h"
#include "noise_generator.h"
#include "signal_checks.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <initializer_list>

namespace fendwick {
namespace {

// What a host stores of an instance that offers no chunk.
struct SavedState {
    int32_t program = 0;
    std::vector<float> values;
};

// Programs the quick form restores: the first, one in the middle, the last.
std::vector<int32_t> programsToTry(int32_t count, bool quick)
{
    std::vector<int32_t> programs;
    for (int32_t p = 0; p < count; ++p) {
        if (!quick || p == 0 || p == count / 2 || p == count - 1) {
            programs.push_back(p);
        }
    }
    if (programs.empty()) {
        programs.push_back(0);
    }
    return programs;
}

SavedState saved(HostedPlugin& plugin)
{
    SavedState state{plugin.program(), {}};
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        state.values.push_back(plugin.getParameter(index));
    }
    return state;
}

// The switches by which one control moves others ("ParamLink", "Stereo Link").
std::vector<int32_t> linkParameters(HostedPlugin& plugin)
{
    std::vector<int32_t> links;
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        std::string name = plugin.parameterName(index);
        std::transform(name.begin(), name.end(), name.begin(), [](unsigned char c) { return std::tolower(c); });
        if (name.find("link") != std::string::npos) {
            links.push_back(index);
        }
    }
    return links;
}

// A user's own settings on top of program `program`: every parameter but
// the links moved to its own value; with `linksOn` the links are turned off
// first (so that linked bands stand apart) and on afterwards, else they keep
// the program's setting.
void setApart(HostedPlugin& plugin, int32_t program, uint32_t noiseStart, bool linksOn)
{
    plugin.setProgram(program);
    const std::vector<int32_t> links = linkParameters(plugin);
    if (linksOn) {
        for (const int32_t link : links) {
            plugin.setParameter(link, 0.0f);
        }
    }
    NoiseGenerator random(noiseStart);
    for (int32_t index = 0; index < plugin.numParameters(); ++index) {
        if (std::find(links.begin(), links.end(), index) == links.end()) {
            plugin.setParameter(index, 0.5f + 0.5f * random.next());
        }
    }
    if (linksOn) {
        for (const int32_t link : links) {
            plugin.setParameter(link, 1.0f);
        }
    }
}

// Restores `state` into a fresh instance as a host does and compares values
// and output with the instance it was saved from.
void compareRestore(const CheckedLibrary& library, HostedPlugin& original, bool withProgram, const std::string& what,
                    const CheckSettings& settings, Findings& findings)
{
    findings.attempt(what);
    const SavedState state = saved(original);
    auto restored = library.prepared();
    if (withProgram) {
        restored->setProgram(state.program);
    }
    for (int32_t index = 0; index < restored->numParameters(); ++index) {
        restored->setParameter(index, state.values[static_cast<size_t>(index)]);
    }
    const SavedState again = saved(*restored);
    for (size_t index = 0; index < state.values.size(); ++index) {
        if (!(std::fabs(again.values[index] - state.values[index]) <= kInaudibleDifference)) {
            findings.fail(what + ": parameter " + std::to_string(index) + " comes back as " +
                          exactText(again.values[index]) + " instead of " + exactText(state.values[index]));
            return;
        }
    }
    const AudioBuffer signal =
        noiseSignal(original.numInputs(), static_cast<size_t>(settings.quick ? 4410 : 22050), 0.7f, 31);
    const std::string difference = outputDifference(processed(original, signal, kCheckBlockSize),
                                                    processed(*restored, signal, kCheckBlockSize), kInaudibleDifference);
    if (!difference.empty()) {
        findings.fail(what + ": the output differs from the saved instance's: " + difference);
    }
}

// Own settings on every program tried, saved and restored each way asked.
void restoreOnPrograms(const CheckedLibrary& library, const CheckSettings& settings, bool linksOn,
                       std::initializer_list<bool> withProgramWays, Findings& findings)
{
    const auto probe = library.instance();
    for (const int32_t program : programsToTry(probe->numPrograms(), settings.quick)) {
        for (const bool withProgram : withProgramWays) {
            auto original = library.prepared();
            setApart(*original, program, static_cast<uint32_t>(program) + 41u, linksOn);
            compareRestore(library, *original, withProgram,
                           std::string(linksOn ? "links on and controls apart" : "own settings") + " on program " +
                               std::to_string(program) + ", restored " + (withProgram ? "with" : "without") +
                               " the program number",
                           settings, findings);
        }
    }
}

void checkRestoreWithProgram(const CheckSettings& settings, Findings& findings)
{
    restoreOnPrograms(CheckedLibrary(settings.pluginPath), settings, false, {true}, findings);
}

void checkRestoreWithoutProgram(const CheckSettings& settings, Findings& findings)
{
    restoreOnPrograms(CheckedLibrary(settings.pluginPath), settings, false, {false}, findings);
}

void checkLinkedRestore(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    if (linkParameters(*library.instance()).empty()) {
        findings.skip("the plug-in has no link switch");
        return;
    }
    restoreOnPrograms(library, settings, true, {true, false}, findings);
}

}  // namespace

std::vector<Check> stateChecks()
{
    return {{"state.restore", "own settings restored as program number then every parameter in index order give "
                              "back the same values and the same output",
             checkRestoreWithProgram},
            {"state.restore-without-program",
             "own settings restored as parameters alone, as hosts that do not store the program do, give back the "
             "same values and output",
             checkRestoreWithoutProgram},
            {"state.linked-restore",
             "with the link switches on and the linked controls set apart, both restores give back every value",
             checkLinkedRestore}};
}

}  // namespace fendwick
