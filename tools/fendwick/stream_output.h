// A pipe or terminal presented to libsndfile as a file it can write, though never seek back in.
#pragma once

#include <sndfile.h>

namespace fendwick {

// libsndfile refuses to write most containers (WAV among them) into a pipe,
// because it seeks back at the end to fill in the lengths in the header.
// Through this virtual file it writes everything in order; rewrites of bytes
// already sent are dropped, so the header keeps the lengths it had when
// written first (zero, which readers take as "up to the end"). The
// descriptor stays the caller's.
class StreamOutput {
public:
    explicit StreamOutput(int descriptor) : descriptor_(descriptor) {}

    static SF_VIRTUAL_IO& callbacks();

private:
    sf_count_t write(const void* bytes, sf_count_t count);
    sf_count_t seek(sf_count_t offset, int whence);

    int descriptor_;
    // Where libsndfile writes next, the largest offset it wrote to, and how
    // many bytes have gone out.
    sf_count_t position_ = 0;
    sf_count_t length_ = 0;
    sf_count_t sent_ = 0;
};

}  // namespace fendwick
