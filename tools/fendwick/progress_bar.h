// A one-line progress bar on standard error, only for work that takes a while.
#pragma once

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>

namespace fendwick {

// Draws nothing unless enabled (the tool enables it when standard error is a
// terminal) and the work looks like taking a second or more; then redraws
// at most ten times a second and clears its line when finished.
class ProgressBar {
public:
    // Where the bar reads the time; tests hand in one they advance themselves.
    using Clock = std::function<std::chrono::steady_clock::time_point()>;

    ProgressBar(std::string label, uint64_t total, bool enabled, std::FILE* out = stderr,
                Clock clock = std::chrono::steady_clock::now);
    ~ProgressBar();
    ProgressBar(const ProgressBar&) = delete;
    ProgressBar& operator=(const ProgressBar&) = delete;

    void update(uint64_t done);
    void finish();

    // Whether standard error is a terminal.
    static bool standardErrorIsTerminal();

private:
    void draw(uint64_t done, double elapsedSeconds);

    std::string label_;
    uint64_t total_;
    bool enabled_;
    std::FILE* out_;
    Clock clock_;
    bool shown_ = false;
    std::chrono::steady_clock::time_point start_;
    std::chrono::steady_clock::time_point lastDraw_;
};

}  // namespace fendwick
