// A buffer handed to a plug-in that shows every byte the plug-in wrote into it.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace fendwick {

// Filled with a byte that is neither a terminator nor printable, so that a
// written text, its terminator and any byte written beyond it stand out.
// Far larger than any structure of the interface, so that even a plug-in
// writing hundreds of bytes too many stays inside it; the check then says
// how far it wrote. Starts filled with zeros instead for requests whose
// pointer carries an empty structure to the plug-in (an event list of none).
class WatchedBuffer {
public:
    static constexpr size_t kSize = 4096;

    enum class Start { pattern, zeros };
    explicit WatchedBuffer(Start start = Start::pattern);

    char* data() { return bytes_.data(); }
    // One past the farthest byte the plug-in changed; 0 when it wrote nothing.
    size_t writtenExtent() const;
    // Where the first terminator is, if any.
    std::optional<size_t> terminator() const;
    // The bytes before the first terminator (the whole buffer without one).
    std::string text() const;

private:
    std::vector<char> bytes_;
    char start_;
};

// Empty when the plug-in wrote a text that fits `boundBytes` (terminator
// included) and holds only printable characters; else what is wrong, with
// `what` naming the request ("parameter name 3").
std::string textFault(const WatchedBuffer& buffer, size_t boundBytes, const std::string& what);

}  // namespace fendwick
