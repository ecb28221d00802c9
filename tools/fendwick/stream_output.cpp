// Writing in order into a descriptor that cannot seek.
#include "stream_output.h"

#include "interrupt_guard.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <unistd.h>

namespace fendwick {

sf_count_t StreamOutput::write(const void* bytes, sf_count_t count)
{
    // A gap cannot be sent; bytes behind what was sent cannot be changed any more.
    if (position_ > sent_) {
        return 0;
    }
    const sf_count_t end = position_ + count;
    const sf_count_t skipped = std::min(count, sent_ - position_);
    const auto* next = static_cast<const char*>(bytes) + skipped;
    for (sf_count_t left = count - skipped; left > 0;) {
        const ssize_t written = ::write(descriptor_, next, static_cast<size_t>(left));
        // A reader that does not drain the pipe must not keep Ctrl-C waiting.
        if (written < 0 && errno == EINTR && !InterruptGuard::interrupted()) {
            continue;
        }
        if (written <= 0) {
            return 0;
        }
        next += written;
        left -= written;
        sent_ += written;
    }
    position_ = end;
    length_ = std::max(length_, end);
    return count;
}

sf_count_t StreamOutput::seek(sf_count_t offset, int whence)
{
    const sf_count_t base = whence == SEEK_CUR ? position_ : whence == SEEK_END ? length_ : 0;
    position_ = base + offset;
    return position_;
}

SF_VIRTUAL_IO& StreamOutput::callbacks()
{
    static SF_VIRTUAL_IO io = {
        [](void* self) { return static_cast<StreamOutput*>(self)->length_; },
        [](sf_count_t offset, int whence, void* self) { return static_cast<StreamOutput*>(self)->seek(offset, whence); },
        // Nothing written can be read back.
        [](void*, sf_count_t, void*) -> sf_count_t { return 0; },
        [](const void* bytes, sf_count_t count, void* self) {
            return static_cast<StreamOutput*>(self)->write(bytes, count);
        },
        [](void* self) { return static_cast<StreamOutput*>(self)->position_; },
    };
    return io;
}

}  // namespace fendwick
