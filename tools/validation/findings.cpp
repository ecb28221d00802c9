// Keeping and summarising a check's faults.
#include "findings.h"

#include <unistd.h>

namespace fendwick {

void Findings::attempt(const std::string& what) const
{
    if (attemptDescriptor_ < 0) {
        return;
    }
    const std::string line = what + "\n";
    // One write of a short line into a pipe is whole; a failed write only
    // costs the report this detail.
    const ssize_t written = write(attemptDescriptor_, line.data(), line.size());
    (void)written;
}

void Findings::fail(const std::string& fault)
{
    if (faults_.size() < kKeptFaults) {
        faults_.push_back(fault);
    }
    ++total_;
}

std::string Findings::summary() const
{
    if (!failed()) {
        return skipReason_;
    }
    std::string text;
    for (const std::string& fault : faults_) {
        text += (text.empty() ? "" : "; ") + fault;
    }
    if (total_ > faults_.size()) {
        text += "; and " + std::to_string(total_ - faults_.size()) + " more";
    }
    return text;
}

}  // namespace fendwick
