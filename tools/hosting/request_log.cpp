// The bounded record of host requests.
#include "request_log.h"

namespace fendwick {

RequestLog::RequestLog(size_t capacity) : capacity_(capacity) {}

void RequestLog::record(const HostRequest& request)
{
    const std::lock_guard<std::mutex> guard(lock_);
    ++total_;
    if (ring_.size() < capacity_) {
        ring_.push_back(request);
        return;
    }
    ring_[next_] = request;
    next_ = (next_ + 1) % capacity_;
}

std::vector<HostRequest> RequestLog::recent() const
{
    const std::lock_guard<std::mutex> guard(lock_);
    std::vector<HostRequest> ordered(ring_.begin() + static_cast<std::ptrdiff_t>(next_), ring_.end());
    ordered.insert(ordered.end(), ring_.begin(), ring_.begin() + static_cast<std::ptrdiff_t>(next_));
    return ordered;
}

uint64_t RequestLog::total() const
{
    const std::lock_guard<std::mutex> guard(lock_);
    return total_;
}

void RequestLog::clear()
{
    const std::lock_guard<std::mutex> guard(lock_);
    ring_.clear();
    next_ = 0;
    total_ = 0;
}

}  // namespace fendwick
