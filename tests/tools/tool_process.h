// Running the fendwick tool as a subprocess and looking at what it left behind.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace fendwick::test {

struct ToolRun {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built tool with `arguments` and extra environment variables,
// waits for it and collects its exit code and both output streams.
ToolRun runTool(const std::vector<std::string>& arguments,
                const std::vector<std::pair<std::string, std::string>>& environment = {});

// Starts the tool without waiting, its output discarded; answers its process id.
int startTool(const std::vector<std::string>& arguments);
// Waits for a started tool; answers its exit code.
int waitForTool(int processId);

// Every byte of a file; empty when it cannot be read.
std::string contentsOf(const std::string& path);

// The cells of the first table line of `text` that starts, after any
// indentation, with `leading` and a space: the rest of that line split at
// white space. Empty when there is no such line.
std::vector<std::string> tableRow(const std::string& text, const std::string& leading);

// A fresh empty folder for one test, removed with everything in it on destruction.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name);
    ~ScratchFolder();
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }
    // Names of everything in the folder, hidden files included, sorted.
    std::vector<std::string> entries() const;

private:
    std::string path_;
};

}  // namespace fendwick::test
