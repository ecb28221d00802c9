// The options and operands of one subcommand's command line.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace fendwick {

// One option a subcommand accepts: "--name VALUE" or "--name=VALUE" when it
// takes a value, a bare "--name" otherwise.
struct AcceptedOption {
    std::string name;
    bool takesValue = false;
};

// Splits the arguments after the subcommand into options and operands.
// Unknown options, a missing value and a value given to a bare option throw
// `UsageError`; "--" ends the options.
class CommandLine {
public:
    CommandLine(const std::vector<std::string>& arguments, const std::vector<AcceptedOption>& accepted);

    const std::vector<std::string>& operands() const { return operands_; }
    bool has(const std::string& name) const;
    // The last value given to an option, if any.
    std::optional<std::string> value(const std::string& name) const;
    // Every value given to a repeatable option, in order.
    std::vector<std::string> values(const std::string& name) const;

    // The option's value as a whole number in [minimum, maximum], else `fallback`.
    long long integer(const std::string& name, long long fallback, long long minimum, long long maximum) const;
    // The option's value as a number in [minimum, maximum], else `fallback`.
    double number(const std::string& name, double fallback, double minimum, double maximum) const;

private:
    std::vector<std::string> operands_;
    std::vector<std::pair<std::string, std::string>> options_;
};

}  // namespace fendwick
