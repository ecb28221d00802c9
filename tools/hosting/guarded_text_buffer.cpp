// Guard bytes and the bounded read of a plug-in's text.
#include "guarded_text_buffer.h"

#include <algorithm>
#include <cstring>

namespace fendwick {
namespace {

// Not zero and not printable ASCII, so a terminator or a text written over it changes it.
constexpr char kGuardByte = static_cast<char>(0xA5);

}  // namespace

GuardedTextBuffer::GuardedTextBuffer()
{
    std::fill(bytes_.begin(), bytes_.begin() + kSize, '\0');
    std::fill(bytes_.begin() + kSize, bytes_.end(), kGuardByte);
}

bool GuardedTextBuffer::overrun() const
{
    return std::any_of(bytes_.begin() + kSize, bytes_.end(), [](char byte) { return byte != kGuardByte; });
}

std::string GuardedTextBuffer::text(size_t mostCharacters) const
{
    return std::string(bytes_.data(), strnlen(bytes_.data(), std::min(mostCharacters, kSize)));
}

}  // namespace fendwick
