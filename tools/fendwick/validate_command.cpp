// `fendwick validate`: the battery of conformance checks, each in its own process, reported as text or JSON.
#include "check_registry.h"
#include "command_line.h"
#include "commands.h"
#include "isolated_check.h"
#include "json_writer.h"
#include "plugin_locator.h"
#include "usage_error.h"

#include <iostream>

namespace fendwick {
namespace {

// Long enough for the full form of the slowest check on a busy machine;
// a plug-in that needs more is as good as hung.
constexpr double kDefaultTimeLimitSeconds = 120.0;
constexpr char kLoadCheck[] = "load.instance";

std::vector<const Check*> chosenChecks(const CommandLine& line)
{
    std::vector<const Check*> checks;
    const std::vector<std::string> only = line.values("only");
    for (const std::string& name : only) {
        const Check* check = findCheck(name);
        if (check == nullptr) {
            throw UsageError("no check named \"" + name + "\"");
        }
        checks.push_back(check);
    }
    if (only.empty()) {
        for (const Check& check : allChecks()) {
            checks.push_back(&check);
        }
    }
    return checks;
}

std::string reproduction(const std::string& path, const std::string& check, bool quick)
{
    return "fendwick validate " + path + " --only " + check + (quick ? " --quick" : "");
}

void printLine(const CheckResult& result, const std::string& path, bool quick)
{
    std::cout << verdictWord(result.verdict) << "  " << result.name;
    if (result.verdict == Verdict::failed) {
        std::cout << "\n      " << result.reason << "\n      reproduce: " << reproduction(path, result.name, quick);
    } else if (result.verdict == Verdict::skipped) {
        std::cout << " (" << result.reason << ")";
    }
    std::cout << std::endl;
}

int countOf(const std::vector<CheckResult>& results, Verdict verdict)
{
    int count = 0;
    for (const CheckResult& result : results) {
        count += result.verdict == verdict ? 1 : 0;
    }
    return count;
}

std::string summary(const std::vector<CheckResult>& results)
{
    return std::to_string(results.size()) + " checks: " + std::to_string(countOf(results, Verdict::passed)) +
           " passed, " + std::to_string(countOf(results, Verdict::failed)) + " failed, " +
           std::to_string(countOf(results, Verdict::skipped)) + " skipped";
}

std::string asJson(const std::vector<CheckResult>& results, const std::string& path, bool quick)
{
    JsonWriter json;
    json.beginObject();
    json.key("plugin").value(path);
    json.key("form").value(quick ? "quick" : "full");
    json.key("checks").beginArray();
    for (const CheckResult& result : results) {
        json.beginObject();
        json.key("name").value(result.name);
        json.key("verdict").value(verdictWord(result.verdict));
        json.key("reason").value(result.reason);
        if (result.verdict == Verdict::failed) {
            json.key("reproduce").value(reproduction(path, result.name, quick));
        }
        json.endObject();
    }
    json.endArray();
    json.key("passed").value(countOf(results, Verdict::passed));
    json.key("failed").value(countOf(results, Verdict::failed));
    json.key("skipped").value(countOf(results, Verdict::skipped));
    json.endObject();
    return json.text();
}

}  // namespace

int runValidate(const std::vector<std::string>& arguments)
{
    const CommandLine line(arguments, {{"quick", false},
                                       {"json", false},
                                       {"only", true},
                                       {"time-limit", true},
                                       {"plugin-dir", true}});
    if (line.operands().size() != 1) {
        throw UsageError("validate needs exactly one PLUGIN");
    }
    const bool json = line.has("json");
    const CheckSettings settings{resolvePluginPath(line.operands()[0], line.value("plugin-dir").value_or("")),
                                 line.has("quick")};
    const double timeLimit = line.number("time-limit", kDefaultTimeLimitSeconds, 0.1, 86400.0);
    const std::vector<const Check*> checks = chosenChecks(line);
    if (!json) {
        std::cout << "validating " << settings.pluginPath << (settings.quick ? " (quick)" : "") << std::endl;
    }
    std::vector<CheckResult> results;
    bool loaded = true;
    for (const Check* check : checks) {
        CheckResult result = loaded ? runIsolated(*check, settings, timeLimit)
                                    : CheckResult{check->name, Verdict::skipped, "the plug-in gives no instance"};
        loaded = loaded && !(result.name == kLoadCheck && result.verdict == Verdict::failed);
        if (!json) {
            printLine(result, settings.pluginPath, settings.quick);
        }
        results.push_back(std::move(result));
    }
    std::cout << (json ? asJson(results, settings.pluginPath, settings.quick) : summary(results) + "\n");
    return countOf(results, Verdict::failed) == 0 ? 0 : 1;
}

}  // namespace fendwick
