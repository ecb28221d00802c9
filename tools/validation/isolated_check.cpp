// The child process of one check and the parent's watch over it.
#include "isolated_check.h"

#include <array>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <exception>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace fendwick {
namespace {

// First byte of the child's answer.
constexpr char kPassed = 'P';
constexpr char kFailed = 'F';
constexpr char kSkipped = 'S';
// The last words of a dying child that the report keeps, and how much of
// its attempts the parent holds on to (the last one is what counts).
constexpr size_t kKeptErrorBytes = 240;
constexpr size_t kKeptAttemptBytes = 1024;

// What the child sends back, one pipe each.
enum Channel { answerChannel, errorChannel, attemptChannel, channelCount };
using Pipes = std::array<std::array<int, 2>, channelCount>;

void writeAll(int descriptor, const std::string& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t written = write(descriptor, bytes.data() + done, bytes.size() - done);
        if (written <= 0) {
            return;
        }
        done += static_cast<size_t>(written);
    }
}

[[noreturn]] void runChild(const Check& check, const CheckSettings& settings, const Pipes& pipes)
{
    for (const auto& ends : pipes) {
        close(ends[0]);
    }
    dup2(pipes[errorChannel][1], STDERR_FILENO);
    std::string answer;
    try {
        Findings findings;
        findings.reportAttemptsTo(pipes[attemptChannel][1]);
        check.run(settings, findings);
        answer = std::string(1, findings.failed() ? kFailed : findings.skipped() ? kSkipped : kPassed) +
                 findings.summary();
    } catch (const std::exception& error) {
        answer = std::string(1, kFailed) + error.what();
    }
    writeAll(pipes[answerChannel][1], answer);
    // No exit handlers and no static destructors: they belong to the parent.
    _exit(0);
}

// Reads whatever is there; answers false at the end of the pipe.
bool drain(int descriptor, std::string& into)
{
    char bytes[4096];
    const ssize_t count = read(descriptor, bytes, sizeof(bytes));
    if (count <= 0) {
        return false;
    }
    into.append(bytes, static_cast<size_t>(count));
    return true;
}

// Collects every pipe until the child closes them or the time runs out;
// answers false when it ran out.
bool collect(const Pipes& pipes, double timeLimitSeconds, std::array<std::string, channelCount>& received)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration<double>(timeLimitSeconds);
    std::array<pollfd, channelCount> watched{};
    for (size_t i = 0; i < channelCount; ++i) {
        watched[i] = {pipes[i][0], POLLIN, 0};
    }
    size_t open = channelCount;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        if (poll(watched.data(), channelCount, static_cast<int>(left)) < 0) {
            continue;
        }
        for (size_t i = 0; i < channelCount; ++i) {
            if (watched[i].fd >= 0 && watched[i].revents != 0 && !drain(watched[i].fd, received[i])) {
                watched[i].fd = -1;
                --open;
            }
        }
        std::string& attempts = received[attemptChannel];
        if (attempts.size() > kKeptAttemptBytes) {
            attempts.erase(0, attempts.size() - kKeptAttemptBytes);
        }
    }
    return true;
}

// The end of what the child wrote, on one line.
std::string lastWords(const std::string& errors)
{
    std::string text = errors.size() > kKeptErrorBytes ? errors.substr(errors.size() - kKeptErrorBytes) : errors;
    while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) {
        text.pop_back();
    }
    for (char& c : text) {
        c = c == '\n' ? ' ' : c;
    }
    return text;
}

// The last whole line the check announced before it died, as " while ...".
std::string lastAttempt(const std::string& attempts)
{
    const size_t end = attempts.rfind('\n');
    if (end == std::string::npos) {
        return {};
    }
    const size_t start = attempts.rfind('\n', end == 0 ? 0 : end - 1);
    const size_t from = start == std::string::npos || start == end ? 0 : start + 1;
    return " while asking: " + attempts.substr(from, end - from);
}

CheckResult verdictOf(const std::string& name, int status, const std::array<std::string, channelCount>& received)
{
    const std::string& answer = received[answerChannel];
    const std::string said = lastWords(received[errorChannel]);
    const std::string during = lastAttempt(received[attemptChannel]);
    if (WIFSIGNALED(status)) {
        const int number = WTERMSIG(status);
        return {name, Verdict::failed,
                "the plug-in crashed: signal " + std::to_string(number) + " (" + strsignal(number) + ")" + during +
                    (said.empty() ? "" : "; it wrote: " + said)};
    }
    if (answer.empty()) {
        return {name, Verdict::failed,
                "the check's process ended with exit code " + std::to_string(WEXITSTATUS(status)) +
                    " before it could answer" + during + (said.empty() ? "" : "; it wrote: " + said)};
    }
    const Verdict verdict = answer[0] == kPassed ? Verdict::passed
                            : answer[0] == kSkipped ? Verdict::skipped
                                                    : Verdict::failed;
    return {name, verdict, answer.substr(1)};
}

}  // namespace

const char* verdictWord(Verdict verdict)
{
    switch (verdict) {
    case Verdict::passed:
        return "pass";
    case Verdict::skipped:
        return "skip";
    case Verdict::failed:
        break;
    }
    return "FAIL";
}

CheckResult runIsolated(const Check& check, const CheckSettings& settings, double timeLimitSeconds)
{
    Pipes pipes{};
    for (auto& ends : pipes) {
        if (pipe(ends.data()) != 0) {
            return {check.name, Verdict::failed, std::string("no pipe for the check's process: ") + strerror(errno)};
        }
    }
    const pid_t child = fork();
    if (child == 0) {
        runChild(check, settings, pipes);
    }
    for (const auto& ends : pipes) {
        close(ends[1]);
    }
    std::array<std::string, channelCount> received;
    const bool finished = child > 0 && collect(pipes, timeLimitSeconds, received);
    for (const auto& ends : pipes) {
        close(ends[0]);
    }
    if (child < 0) {
        return {check.name, Verdict::failed, std::string("no process for the check: ") + strerror(errno)};
    }
    if (!finished) {
        kill(child, SIGKILL);
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!finished) {
        char limit[32];
        std::snprintf(limit, sizeof(limit), "%g", timeLimitSeconds);
        return {check.name, Verdict::failed,
                std::string("the plug-in hung: no answer within ") + limit + " s" +
                    lastAttempt(received[attemptChannel]) + "; the check's process was killed"};
    }
    return verdictOf(check.name, status, received);
}

}  // namespace fendwick
