// A buffer a plug-in writes a text into, with guard bytes behind it that show a write past its end.
#pragma once

#include <array>
#include <cstddef>
#include <string>

namespace fendwick {

// The interface bounds every text answer (8 characters for a parameter
// name), yet plug-ins write whatever they hold, some of it hundreds of
// bytes. The buffer is far larger than any bound, so such texts land inside
// it; the guard bytes behind it keep a known pattern unless the plug-in
// wrote even further. Lives on the asking thread's stack for one request.
class GuardedTextBuffer {
public:
    static constexpr size_t kSize = 1024;

    GuardedTextBuffer();

    char* data() { return bytes_.data(); }
    // Whether the plug-in wrote into the guard bytes.
    bool overrun() const;
    // The text up to its terminator, cut to at most `mostCharacters`.
    std::string text(size_t mostCharacters) const;

private:
    static constexpr size_t kGuardSize = 64;
    std::array<char, kSize + kGuardSize> bytes_;
};

}  // namespace fendwick
