// The Linux-only commands as the Windows build answers them: with a failure that says so.
#include "commands.h"
#include "tool_error.h"

namespace fendwick {
namespace {

[[noreturn]] void absent(const char* command)
{
    throw ToolError(std::string(command) + " is not in the Windows build; run the Linux build for it");
}

}  // namespace

int runBench(const std::vector<std::string>&) { absent("bench"); }
int runDemo(const std::vector<std::string>&) { absent("demo"); }
int runShot(const std::vector<std::string>&) { absent("shot"); }
int runMeters(const std::vector<std::string>&) { absent("meters"); }
int runValidate(const std::vector<std::string>&) { absent("validate"); }

}  // namespace fendwick
