// fendwick: the command-line host that inspects, renders, benchmarks and demonstrates VST 2 plug-ins.
#include "commands.h"
#include "tool_error.h"
#include "usage_error.h"
#include "usage_text.h"
#include "hosting_error.h"

#include <exception>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr int kFailed = 1;
constexpr int kBadCommandLine = 2;

using Command = int (*)(const std::vector<std::string>&);

Command commandNamed(const std::string& name)
{
    if (name == "info") {
        return fendwick::runInfo;
    }
    if (name == "render") {
        return fendwick::runRender;
    }
    if (name == "bench") {
        return fendwick::runBench;
    }
    if (name == "demo") {
        return fendwick::runDemo;
    }
    if (name == "shot") {
        return fendwick::runShot;
    }
    if (name == "meters") {
        return fendwick::runMeters;
    }
    if (name == "validate") {
        return fendwick::runValidate;
    }
    return nullptr;
}

bool asksForHelp(const std::vector<std::string>& arguments)
{
    for (const std::string& argument : arguments) {
        if (argument == "--") {
            return false;
        }
        if (argument == "--help" || argument == "-h") {
            return true;
        }
    }
    return false;
}

int help(const std::vector<std::string>& arguments)
{
    if (arguments.empty()) {
        std::cout << fendwick::usageText();
        return 0;
    }
    if (const auto text = fendwick::commandUsageText(arguments[0])) {
        std::cout << *text;
        return 0;
    }
    std::cerr << "fendwick: no command \"" << arguments[0] << "\"\n\n" << fendwick::usageText();
    return kBadCommandLine;
}

}  // namespace

int main(int argc, char** argv)
{
    const std::vector<std::string> all(argv + 1, argv + argc);
    if (all.empty()) {
        std::cerr << fendwick::usageText();
        return kBadCommandLine;
    }
    const std::string& name = all[0];
    const std::vector<std::string> arguments(all.begin() + 1, all.end());
    if (name == "help") {
        return help(arguments);
    }
    if (name == "--help" || name == "-h") {
        return help({});
    }
    const Command command = commandNamed(name);
    if (command == nullptr) {
        std::cerr << "fendwick: no command \"" << name << "\"\n\n" << fendwick::usageText();
        return kBadCommandLine;
    }
    if (asksForHelp(arguments)) {
        return help({name});
    }
    try {
        return command(arguments);
    } catch (const fendwick::UsageError& error) {
        std::cerr << "fendwick " << name << ": " << error.what() << "\n\n" << *fendwick::commandUsageText(name);
        return kBadCommandLine;
    } catch (const std::exception& error) {
        std::cerr << "fendwick " << name << ": error: " << error.what() << "\n";
        return kFailed;
    }
}
