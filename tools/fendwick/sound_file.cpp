// libsndfile handles for reading and writing.
#include "sound_file.h"

#include "tool_error.h"

#include <utility>

namespace fendwick {

SoundFile::SoundFile(SNDFILE* handle, const SF_INFO& info, std::string name)
    : handle_(handle), info_(info), name_(std::move(name))
{
}

SoundFile::SoundFile(SoundFile&& other) noexcept
    : handle_(std::exchange(other.handle_, nullptr)), info_(other.info_), name_(std::move(other.name_))
{
}

SoundFile::~SoundFile()
{
    if (handle_ != nullptr) {
        sf_close(handle_);
    }
}

SoundFile SoundFile::openForReading(const std::string& path)
{
    SF_INFO info{};
    SNDFILE* handle = sf_open(path.c_str(), SFM_READ, &info);
    if (handle == nullptr) {
        throw ToolError("cannot read " + path + ": " + sf_strerror(nullptr));
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(handle);
        throw ToolError("cannot read " + path + ": no audio channels or no sample rate");
    }
    return SoundFile(handle, info, path);
}

SoundFile SoundFile::createOnDescriptor(int descriptor, const std::string& name, int format, int channels,
                                        int sampleRateHz)
{
    SF_INFO info{};
    info.format = format;
    info.channels = channels;
    info.samplerate = sampleRateHz;
    if (sf_format_check(&info) == 0) {
        throw ToolError("cannot write " + name + ": the format does not take " + std::to_string(channels) +
                        " channels at " + std::to_string(sampleRateHz) + " Hz");
    }
    SNDFILE* handle = sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE);
    if (handle == nullptr) {
        throw ToolError("cannot write " + name + ": " + sf_strerror(nullptr));
    }
    // Overs written to integer encodings clip instead of wrapping around.
    sf_command(handle, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return SoundFile(handle, info, name);
}

size_t SoundFile::read(float* interleaved, size_t frames)
{
    const sf_count_t got = sf_readf_float(handle_, interleaved, static_cast<sf_count_t>(frames));
    if (got < 0 || (got == 0 && sf_error(handle_) != SF_ERR_NO_ERROR)) {
        throw ToolError("cannot read " + name_ + ": " + sf_strerror(handle_));
    }
    return static_cast<size_t>(got);
}

void SoundFile::write(const float* interleaved, size_t frames)
{
    const sf_count_t written = sf_writef_float(handle_, interleaved, static_cast<sf_count_t>(frames));
    if (written != static_cast<sf_count_t>(frames)) {
        throw ToolError("cannot write " + name_ + ": " + sf_strerror(handle_));
    }
}

void SoundFile::close()
{
    if (handle_ == nullptr) {
        return;
    }
    sf_write_sync(handle_);
    const int result = sf_close(std::exchange(handle_, nullptr));
    if (result != 0) {
        throw ToolError("cannot finish " + name_ + ": " + sf_error_number(result));
    }
}

}  // namespace fendwick
