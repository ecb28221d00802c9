// Programs selected, named and renamed, and indexes that do not exist.
#include "check_groups.h"
#include "checked_instance.h"
#include "interface_sizes.h"
#include "signal_checks.h"
#include "watched_buffer.h"

#include <algorithm>
#include <climits>
#include <map>
#include <optional>

namespace fendwick {
namespace {

// Four times the name field, as a host passes a long preset file name.
constexpr size_t kLongNameCharacters = 100;
constexpr int32_t kOutsideIndexes[] = {-1, -2, INT_MAX, INT_MIN};

// The current program's name; nothing, with the fault recorded, when the text is at fault.
std::optional<std::string> currentName(HostedPlugin& plugin, const std::string& when, Findings& findings)
{
    WatchedBuffer buffer;
    plugin.dispatch(EffectOpcode::getProgramName, 0, 0, buffer.data());
    const std::string fault = textFault(buffer, kProgramNameBytes, "program name" + when);
    if (!fault.empty()) {
        findings.fail(fault);
        return std::nullopt;
    }
    return buffer.text();
}

// The name of program `index` asked without selecting it; empty when refused.
std::string nameAt(HostedPlugin& plugin, int32_t index, Findings& findings)
{
    WatchedBuffer buffer;
    const intptr_t answer = plugin.dispatch(EffectOpcode::getProgramNameIndexed, index, -1, buffer.data());
    const std::string fault = textFault(buffer, kProgramNameBytes, "name of program " + std::to_string(index));
    findings.failOn(fault);
    return answer != 0 && fault.empty() ? buffer.text() : std::string();
}

void checkSelection(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    for (int32_t index = 0; index < plugin->numPrograms(); ++index) {
        findings.attempt("selecting program " + std::to_string(index));
        plugin->setProgram(index);
        const std::string when = " after selecting program " + std::to_string(index);
        if (plugin->program() != index) {
            findings.fail("program " + std::to_string(plugin->program()) + " is current" + when);
        }
        const std::string current = currentName(*plugin, when, findings).value_or("");
        const std::string listed = nameAt(*plugin, index, findings);
        if (!listed.empty() && listed != current) {
            findings.fail("program " + std::to_string(index) + " is listed as \"" + listed + "\" but named \"" +
                          current + "\" when selected");
        }
        for (int32_t p = 0; p < plugin->numParameters(); ++p) {
            const float value = plugin->getParameter(p);
            if (!(value >= 0.0f && value <= 1.0f)) {
                findings.fail("parameter " + std::to_string(p) + " reads " + exactText(value) + when);
            }
        }
    }
}

// A host lists programs by name alone, so one it cannot show or tell apart
// from another is one the user cannot pick (Audacity keys presets by name).
void checkNames(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    std::map<std::string, int32_t> firstWithName;
    for (int32_t index = 0; index < plugin->numPrograms(); ++index) {
        findings.attempt("naming program " + std::to_string(index));
        plugin->setProgram(index);
        const std::optional<std::string> named =
            currentName(*plugin, " of program " + std::to_string(index), findings);
        if (!named) {
            continue;
        }
        const std::string& name = *named;
        if (std::all_of(name.begin(), name.end(), [](char c) { return c == ' '; })) {
            findings.fail("program " + std::to_string(index) + " has no name");
            continue;
        }
        const auto [first, inserted] = firstWithName.emplace(name, index);
        if (!inserted) {
            findings.fail("programs " + std::to_string(first->second) + " and " + std::to_string(index) +
                          " are both named \"" + name + "\"");
        }
    }
}

void checkRename(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    if (plugin->numPrograms() == 0) {
        findings.skip("the plug-in has no programs");
        return;
    }
    const std::string before = currentName(*plugin, "", findings).value_or("");
    std::string longName;
    for (size_t i = 0; i < kLongNameCharacters; ++i) {
        longName += static_cast<char>('a' + i % 26);
    }
    findings.attempt("renaming the program to 100 characters");
    plugin->dispatch(EffectOpcode::setProgramName, 0, 0, longName.data());
    const std::string after = currentName(*plugin, " after a rename to 100 characters", findings).value_or("");
    nameAt(*plugin, plugin->program(), findings);
    // Cut to the field or refused: either is a choice a plug-in may make.
    if (after != before && longName.compare(0, after.size(), after) != 0) {
        findings.fail("a rename to 100 characters left the name \"" + after + "\"");
    }
}

void checkOutsideIndexes(const CheckSettings& settings, Findings& findings)
{
    const CheckedLibrary library(settings.pluginPath);
    auto plugin = library.prepared();
    std::vector<int32_t> indexes(std::begin(kOutsideIndexes), std::end(kOutsideIndexes));
    indexes.push_back(plugin->numPrograms());
    indexes.push_back(plugin->numPrograms() + 1);
    for (const int32_t index : indexes) {
        const int32_t current = plugin->program();
        findings.attempt("selecting and naming program " + std::to_string(index) + ", which does not exist");
        plugin->setProgram(index);
        if (plugin->program() != current) {
            findings.fail("selecting program " + std::to_string(index) + ", which does not exist, made program " +
                          std::to_string(plugin->program()) + " current");
        }
        nameAt(*plugin, index, findings);
        currentName(*plugin, " after selecting program " + std::to_string(index), findings);
    }
}

}  // namespace

std::vector<Check> programChecks()
{
    return {{"programs.selection",
             "every program is selected, reported current, named the same as listed, its values within 0..1",
             checkSelection},
            {"programs.names", "every program has a name of its own, not empty and printable", checkNames},
            {"programs.rename", "a 100-character rename is cut or refused, the name staying within 24 bytes",
             checkRename},
            {"programs.outside-indexes",
             "selecting and naming programs below 0 and past the count changes nothing and writes in bounds",
             checkOutsideIndexes}};
}

}  // namespace fendwick
