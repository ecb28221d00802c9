// Splitting a subcommand's arguments.
#include "command_line.h"

#include "number_text.h"
#include "usage_error.h"

#include <algorithm>

namespace fendwick {

CommandLine::CommandLine(const std::vector<std::string>& arguments, const std::vector<AcceptedOption>& accepted)
{
    bool optionsEnded = false;
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (optionsEnded || argument.size() < 2 || argument.compare(0, 2, "--") != 0) {
            operands_.push_back(argument);
            continue;
        }
        if (argument == "--") {
            optionsEnded = true;
            continue;
        }
        const size_t equals = argument.find('=');
        const std::string name = argument.substr(2, equals == std::string::npos ? std::string::npos : equals - 2);
        const auto known = std::find_if(accepted.begin(), accepted.end(),
                                       [&](const AcceptedOption& option) { return option.name == name; });
        if (known == accepted.end()) {
            throw UsageError("unknown option --" + name);
        }
        if (!known->takesValue) {
            if (equals != std::string::npos) {
                throw UsageError("option --" + name + " takes no value");
            }
            options_.emplace_back(name, std::string());
        } else if (equals != std::string::npos) {
            options_.emplace_back(name, argument.substr(equals + 1));
        } else if (i + 1 < arguments.size()) {
            options_.emplace_back(name, arguments[++i]);
        } else {
            throw UsageError("option --" + name + " needs a value");
        }
    }
}

bool CommandLine::has(const std::string& name) const
{
    return std::any_of(options_.begin(), options_.end(), [&](const auto& option) { return option.first == name; });
}

std::optional<std::string> CommandLine::value(const std::string& name) const
{
    std::optional<std::string> last;
    for (const auto& option : options_) {
        if (option.first == name) {
            last = option.second;
        }
    }
    return last;
}

std::vector<std::string> CommandLine::values(const std::string& name) const
{
    std::vector<std::string> all;
    for (const auto& option : options_) {
        if (option.first == name) {
            all.push_back(option.second);
        }
    }
    return all;
}

long long CommandLine::integer(const std::string& name, long long fallback, long long minimum,
                               long long maximum) const
{
    const std::optional<std::string> text = value(name);
    if (!text) {
        return fallback;
    }
    const std::optional<long long> parsed = parseInteger(*text);
    if (!parsed || *parsed < minimum || *parsed > maximum) {
        throw UsageError("--" + name + " needs a whole number from " + std::to_string(minimum) + " to " +
                         std::to_string(maximum) + ", not \"" + *text + "\"");
    }
    return *parsed;
}

double CommandLine::number(const std::string& name, double fallback, double minimum, double maximum) const
{
    const std::optional<std::string> text = value(name);
    if (!text) {
        return fallback;
    }
    const std::optional<double> parsed = parseNumber(*text);
    if (!parsed || !(*parsed >= minimum && *parsed <= maximum)) {
        throw UsageError("--" + name + " needs a number from " + formatShortest(minimum) + " to " +
                         formatShortest(maximum) + ", not \"" + *text + "\"");
    }
    return *parsed;
}

}  // namespace fendwick
