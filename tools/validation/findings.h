// What one check found wrong with a plug-in, kept short enough to report.
#pragma once

#include <string>
#include <vector>

namespace fendwick {

// The first few faults a check found, each a sentence saying which call with
// which arguments did what, and how many there were in all; or why the check
// does not apply to this plug-in. A check without faults and without a
// reason to skip passed.
class Findings {
public:
    // Faults beyond this many are only counted: one is enough to act on.
    static constexpr size_t kKeptFaults = 3;

    void fail(const std::string& fault);
    // Records `fault` unless it is empty (the answer of a test that found nothing).
    void failOn(const std::string& fault)
    {
        if (!fault.empty()) {
            fail(fault);
        }
    }
    void skip(const std::string& reason) { skipReason_ = reason; }

    // Says what the check is about to ask of the plug-in ("opcode 11 (index
    // 0, value -1)"), so that a crash or a hang there can be reported with
    // it. The text goes as one line to the descriptor given to
    // reportAttemptsTo, if any; only the latest counts.
    void attempt(const std::string& what) const;
    void reportAttemptsTo(int descriptor) { attemptDescriptor_ = descriptor; }

    bool failed() const { return total_ > 0; }
    bool skipped() const { return !failed() && !skipReason_.empty(); }
    // The kept faults joined, with the count of the rest; else the skip reason.
    std::string summary() const;

private:
    std::vector<std::string> faults_;
    size_t total_ = 0;
    std::string skipReason_;
    int attemptDescriptor_ = -1;
};

}  // namespace fendwick
