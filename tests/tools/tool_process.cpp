// Subprocess runs of the tool and scratch folders.
#include "tool_process.h"

#include <algorithm>
#include <dirent.h>
#include <fcntl.h>
#include <fstream>
#include <ftw.h>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fendwick::test {
namespace {

// Forks the tool with its standard output and error sent to the named files.
int spawn(const std::vector<std::string>& arguments, const std::vector<std::pair<std::string, std::string>>& environment,
          const std::string& outPath, const std::string& errPath)
{
    std::vector<std::string> storage = {FENDWICK_TOOL_PATH};
    storage.insert(storage.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (std::string& argument : storage) {
        argv.push_back(argument.data());
    }
    argv.push_back(nullptr);
    const pid_t child = fork();
    if (child == 0) {
        dup2(open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDOUT_FILENO);
        dup2(open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644), STDERR_FILENO);
        for (const auto& variable : environment) {
            setenv(variable.first.c_str(), variable.second.c_str(), 1);
        }
        execv(argv[0], argv.data());
        _exit(127);
    }
    return child;
}

int removeEntry(const char* path, const struct stat*, int, struct FTW*)
{
    return remove(path);
}

}  // namespace

std::string contentsOf(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::stringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

ToolRun runTool(const std::vector<std::string>& arguments,
                const std::vector<std::pair<std::string, std::string>>& environment)
{
    const std::string base = testing::TempDir() + "fendwick_run_" + std::to_string(getpid());
    ToolRun run;
    run.exitCode = waitForTool(spawn(arguments, environment, base + ".out", base + ".err"));
    run.out = contentsOf(base + ".out");
    run.err = contentsOf(base + ".err");
    unlink((base + ".out").c_str());
    unlink((base + ".err").c_str());
    return run;
}

int startTool(const std::vector<std::string>& arguments)
{
    return spawn(arguments, {}, "/dev/null", "/dev/null");
}

int waitForTool(int processId)
{
    int status = 0;
    waitpid(processId, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

std::vector<std::string> tableRow(const std::string& text, const std::string& leading)
{
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        const size_t start = line.find_first_not_of(' ');
        if (start == std::string::npos || line.compare(start, leading.size() + 1, leading + " ") != 0) {
            continue;
        }
        std::istringstream rest(line.substr(start + leading.size()));
        std::vector<std::string> cells;
        for (std::string cell; rest >> cell;) {
            cells.push_back(cell);
        }
        return cells;
    }
    return {};
}

ScratchFolder::ScratchFolder(const std::string& name)
    : path_(testing::TempDir() + "fendwick_" + name + "_" + std::to_string(getpid()))
{
    nftw(path_.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
    mkdir(path_.c_str(), 0755);
}

ScratchFolder::~ScratchFolder()
{
    nftw(path_.c_str(), removeEntry, 16, FTW_DEPTH | FTW_PHYS);
}

std::vector<std::string> ScratchFolder::entries() const
{
    std::vector<std::string> names;
    if (DIR* folder = opendir(path_.c_str())) {
        while (const dirent* entry = readdir(folder)) {
            const std::string name = entry->d_name;
            if (name != "." && name != "..") {
                names.push_back(name);
            }
        }
        closedir(folder);
    }
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace fendwick::test
