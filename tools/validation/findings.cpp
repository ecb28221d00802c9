// Keeping and summarising a check's faults.
#include "findings.h"

namespace fendwick {

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
