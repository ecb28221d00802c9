// Reading back what a plug-in wrote into a watched buffer.
#include "watched_buffer.h"

#include <algorithm>
#include <cstring>

namespace fendwick {
namespace {

constexpr char kPatternByte = static_cast<char>(0xA5);

// Printable ASCII, or a byte of a UTF-8 sequence; control characters and DEL are not.
bool printable(char c)
{
    const auto byte = static_cast<unsigned char>(c);
    return (byte >= 0x20 && byte != 0x7F);
}

std::string shown(const std::string& text)
{
    constexpr size_t kShown = 40;
    std::string out;
    for (const char c : text.substr(0, kShown)) {
        out += printable(c) ? std::string(1, c) : "?";
    }
    return "\"" + out + (text.size() > kShown ? "...\"" : "\"");
}

}  // namespace

WatchedBuffer::WatchedBuffer(Start start)
    : bytes_(kSize, start == Start::zeros ? '\0' : kPatternByte), start_(bytes_[0])
{
}

size_t WatchedBuffer::writtenExtent() const
{
    const auto last = std::find_if(bytes_.rbegin(), bytes_.rend(), [this](char byte) { return byte != start_; });
    return static_cast<size_t>(bytes_.rend() - last);
}

std::optional<size_t> WatchedBuffer::terminator() const
{
    const void* found = std::memchr(bytes_.data(), '\0', bytes_.size());
    if (found == nullptr) {
        return std::nullopt;
    }
    return static_cast<size_t>(static_cast<const char*>(found) - bytes_.data());
}

std::string WatchedBuffer::text() const
{
    return std::string(bytes_.data(), terminator().value_or(bytes_.size()));
}

std::string textFault(const WatchedBuffer& buffer, size_t boundBytes, const std::string& what)
{
    const size_t extent = buffer.writtenExtent();
    if (extent == 0) {
        return {};
    }
    const std::optional<size_t> end = buffer.terminator();
    if (!end) {
        return what + ": no terminator in " + std::to_string(extent) + " written bytes";
    }
    if (extent > boundBytes) {
        return what + ": wrote " + std::to_string(extent) + " bytes where hosts give " + std::to_string(boundBytes) +
               " (" + shown(buffer.text()) + ")";
    }
    const std::string text = buffer.text();
    if (!std::all_of(text.begin(), text.end(), printable)) {
        return what + ": unprintable characters in " + shown(text);
    }
    return {};
}

}  // namespace fendwick
