// The child process of one check and the parent's watch over it.
#include "isolated_check.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <csignal>
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
// The last words a dying child wrote to standard error that the report keeps.
constexpr size_t kKeptErrorBytes = 400;

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

[[noreturn]] void runChild(const Check& check, const CheckSettings& settings, int answerPipe, int errorPipe)
{
    dup2(errorPipe, STDERR_FILENO);
    std::string answer;
    try {
        Findings findings;
        check.run(settings, findings);
        answer = std::string(1, findings.failed() ? kFailed : findings.skipped() ? kSkipped : kPassed) +
                 findings.summary();
    } catch (const std::exception& error) {
        answer = std::string(1, kFailed) + error.what();
    }
    writeAll(answerPipe, answer);
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

// Collects both pipes until the child closes them or the time runs out;
// answers false when it ran out.
bool collect(int answerPipe, int errorPipe, double timeLimitSeconds, std::string& answer, std::string& errors)
{
    using Clock = std::chrono::steady_clock;
    const auto deadline = Clock::now() + std::chrono::duration<double>(timeLimitSeconds);
    pollfd pipes[2] = {{answerPipe, POLLIN, 0}, {errorPipe, POLLIN, 0}};
    std::string* into[2] = {&answer, &errors};
    int open = 2;
    while (open > 0) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) {
            return false;
        }
        if (poll(pipes, 2, static_cast<int>(left)) < 0) {
            continue;
        }
        for (int i = 0; i < 2; ++i) {
            if (pipes[i].fd >= 0 && pipes[i].revents != 0 && !drain(pipes[i].fd, *into[i])) {
                pipes[i].fd = -1;
                --open;
            }
        }
    }
    return true;
}

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

CheckResult verdictOf(const std::string& name, int status, const std::string& answer, const std::string& errors)
{
    if (WIFSIGNALED(status)) {
        const int number = WTERMSIG(status);
        const std::string said = lastWords(errors);
        return {name, Verdict::failed,
                "the plug-in crashed: signal " + std::to_string(number) + " (" + strsignal(number) + ")" +
                    (said.empty() ? "" : ", after it wrote: " + said)};
    }
    if (answer.empty()) {
        const std::string said = lastWords(errors);
        return {name, Verdict::failed,
                "the check's process ended with exit code " + std::to_string(WEXITSTATUS(status)) +
                    " before it could answer" + (said.empty() ? "" : ": " + said)};
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
    int answerPipe[2];
    int errorPipe[2];
    if (pipe(answerPipe) != 0 || pipe(errorPipe) != 0) {
        return {check.name, Verdict::failed, std::string("no pipe for the check's process: ") + strerror(errno)};
    }
    const pid_t child = fork();
    if (child == 0) {
        close(answerPipe[0]);
        close(errorPipe[0]);
        runChild(check, settings, answerPipe[1], errorPipe[1]);
    }
    close(answerPipe[1]);
    close(errorPipe[1]);
    std::string answer;
    std::string errors;
    const bool finished = child > 0 && collect(answerPipe[0], errorPipe[0], timeLimitSeconds, answer, errors);
    close(answerPipe[0]);
    close(errorPipe[0]);
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
                std::string("the plug-in hung: no answer within ") + limit + " s, the check's process was killed"};
    }
    return verdictOf(check.name, status, answer, errors);
}

}  // namespace fendwick
