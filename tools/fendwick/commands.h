// The tool's subcommands; each takes the arguments after its name and answers an exit code.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

int runInfo(const std::vector<std::string>& arguments);
int runRender(const std::vector<std::string>& arguments);
int runBench(const std::vector<std::string>& arguments);
int runDemo(const std::vector<std::string>& arguments);
int runShot(const std::vector<std::string>& arguments);
int runMeters(const std::vector<std::string>& arguments);
int runValidate(const std::vector<std::string>& arguments);

}  // namespace fendwick
