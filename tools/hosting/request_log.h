// The host's record of what a plug-in asked, bounded so that a chatty plug-in cannot fill the memory.
#pragma once

#include "host_request.h"

#include <cstddef>
#include <cstdint>
#include <mutex>
#include <vector>

namespace fendwick {

// Keeps the latest `capacity` requests in arrival order and counts every
// one. A plug-in that calls the host in every sample sends millions of
// requests over a long render; the oldest give way to the newest, so the
// record never holds more than `capacity` and the storage grows only until
// it is full. Any thread may record and read; a lock guards the record.
class RequestLog {
public:
    // `capacity` is at least 1.
    explicit RequestLog(size_t capacity);

    void record(const HostRequest& request);
    // The kept requests, oldest first.
    std::vector<HostRequest> recent() const;
    // Every request since construction or the last clear, kept or not.
    uint64_t total() const;
    void clear();

private:
    mutable std::mutex lock_;
    size_t capacity_;
    std::vector<HostRequest> ring_;
    // Where the next request goes once the ring is full: the oldest one.
    size_t next_ = 0;
    uint64_t total_ = 0;
};

}  // namespace fendwick
