// Programs and parameters by name.
#include "plugin_settings.h"

#include "number_text.h"
#include "tool_error.h"
#include "usage_error.h"
#include "hosted_plugin.h"

#include <algorithm>
#include <cctype>
#include <optional>

namespace fendwick {
namespace {

bool sameIgnoringCase(const std::string& a, const std::string& b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

// The index of `name` in `names`: exact match first, else one ignoring case.
std::optional<int> indexOfName(const std::vector<std::string>& names, const std::string& name)
{
    for (size_t i = 0; i < names.size(); ++i) {
        if (names[i] == name) {
            return static_cast<int>(i);
        }
    }
    for (size_t i = 0; i < names.size(); ++i) {
        if (sameIgnoringCase(names[i], name)) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::string numberedList(const std::vector<std::string>& names)
{
    std::string list;
    for (size_t i = 0; i < names.size(); ++i) {
        list += "\n  " + std::to_string(i) + "  \"" + names[i] + "\"";
    }
    return list;
}

}  // namespace

std::vector<std::string> programNames(HostedPlugin& plugin)
{
    std::vector<std::string> names;
    bool indexedWorks = true;
    for (int32_t i = 0; i < plugin.numPrograms() && indexedWorks; ++i) {
        const std::optional<std::string> name = plugin.programNameAt(i);
        indexedWorks = name.has_value();
        if (indexedWorks) {
            names.push_back(*name);
        }
    }
    if (indexedWorks) {
        return names;
    }
    names.clear();
    const int32_t current = plugin.program();
    for (int32_t i = 0; i < plugin.numPrograms(); ++i) {
        plugin.setProgram(i);
        names.push_back(plugin.programName());
    }
    plugin.setProgram(current);
    return names;
}

std::vector<std::string> parameterNames(HostedPlugin& plugin)
{
    std::vector<std::string> names;
    for (int32_t i = 0; i < plugin.numParameters(); ++i) {
        names.push_back(plugin.parameterName(i));
    }
    return names;
}

int findProgram(HostedPlugin& plugin, const std::string& numberOrName)
{
    const std::vector<std::string> names = programNames(plugin);
    if (const std::optional<int> byName = indexOfName(names, numberOrName)) {
        return *byName;
    }
    const std::optional<long long> number = parseInteger(numberOrName);
    if (number && *number >= 0 && *number < static_cast<long long>(names.size())) {
        return static_cast<int>(*number);
    }
    if (names.empty()) {
        throw ToolError("no program \"" + numberOrName + "\": the plug-in has no programs");
    }
    throw ToolError("no program \"" + numberOrName + "\"; the programs are:" + numberedList(names));
}

void applySetting(HostedPlugin& plugin, const std::string& assignment)
{
    const size_t equals = assignment.find('=');
    if (equals == std::string::npos || equals == 0) {
        throw UsageError("--set needs NAME=VALUE, not \"" + assignment + "\"");
    }
    const std::string name = assignment.substr(0, equals);
    const std::string text = assignment.substr(equals + 1);
    const std::optional<double> value = parseNumber(text);
    if (!value) {
        throw UsageError("--set " + name + ": \"" + text + "\" is no number");
    }
    const std::vector<std::string> names = parameterNames(plugin);
    const std::optional<int> index = indexOfName(names, name);
    if (!index) {
        throw ToolError("no parameter \"" + name + "\"; the parameters are:" + numberedList(names));
    }
    if (!(*value >= 0.0 && *value <= 1.0)) {
        throw ToolError("--set " + name + "=" + text + ": parameter values go from 0 to 1");
    }
    plugin.setParameter(*index, static_cast<float>(*value));
}

}  // namespace fendwick
