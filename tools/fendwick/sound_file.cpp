// libsndfile handles for reading and writing.
#include "sound_file.h"

#include "interrupt_guard.h"
#include "tool_error.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace fendwick {
namespace {

// libsndfile's reasons for refusing a file, said for a user.
std::string whyUnreadable(int error)
{
    switch (error) {
    case SF_ERR_UNRECOGNISED_FORMAT:
        return "it is no sound file in a format this tool reads (WAV, FLAC, AIFF, OGG, CAF, W64, RF64, ...)";
    case SF_ERR_MALFORMED_FILE:
        return "it looks like a sound file, but its header is damaged";
    case SF_ERR_UNSUPPORTED_ENCODING:
        return "its samples are stored in an encoding this tool cannot decode";
    default:
        return std::string("it cannot be read as sound (") + sf_error_number(error) + ")";
    }
}

// WAV, W64 and RF64 readers log "data : 4000 (should be 1920)" and AIFF
// readers "Chunk size ... > file length" when the header promises more data
// than the file holds; libsndfile then quietly shortens the file to what is
// there, and its log is the only place that says so.
bool headerPromisesMoreThanThere(SNDFILE* handle)
{
    char log[4096] = {};
    sf_command(handle, SFC_GET_LOG_INFO, log, sizeof(log));
    const std::string text = log;
    const size_t data = text.find("\ndata : ");
    const bool shortData = data != std::string::npos && text.find("(should be", data) < text.find('\n', data + 1);
    return shortData || text.find("> file length") != std::string::npos;
}

}  // namespace

SoundFile::SoundFile(SNDFILE* handle, const SF_INFO& info, std::string name, std::unique_ptr<StreamOutput> stream)
    : stream_(std::move(stream)), handle_(handle), info_(info), name_(std::move(name))
{
}

SoundFile::SoundFile(SoundFile&& other) noexcept
    : stream_(std::move(other.stream_)),
      handle_(std::exchange(other.handle_, nullptr)),
      info_(other.info_),
      name_(std::move(other.name_)),
      framesRead_(other.framesRead_),
      headerPromisesMore_(other.headerPromisesMore_),
      readFailed_(other.readFailed_)
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
    // Opened here, so that a missing file or a folder is named as such.
    const int descriptor = open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (descriptor < 0) {
        throw ToolError("cannot read " + path + ": " +
                        (errno == ENOENT ? std::string("there is no such file") : std::strerror(errno)));
    }
    struct stat status {};
    if (fstat(descriptor, &status) == 0 && S_ISDIR(status.st_mode)) {
        ::close(descriptor);
        throw ToolError("cannot read " + path + ": it is a folder");
    }
    SF_INFO info{};
    SNDFILE* handle = sf_open_fd(descriptor, SFM_READ, &info, SF_TRUE);
    if (handle == nullptr) {
        throw ToolError("cannot read " + path + ": " + whyUnreadable(sf_error(nullptr)));
    }
    if (info.channels < 1 || info.samplerate < 1) {
        sf_close(handle);
        throw ToolError("cannot read " + path + ": no audio channels or no sample rate");
    }
    SoundFile file(handle, info, path);
    file.headerPromisesMore_ = headerPromisesMoreThanThere(handle);
    return file;
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
    std::unique_ptr<StreamOutput> stream;
    if (lseek(descriptor, 0, SEEK_CUR) < 0) {
        stream = std::make_unique<StreamOutput>(descriptor);
    }
    SNDFILE* handle = stream ? sf_open_virtual(&StreamOutput::callbacks(), SFM_WRITE, &info, stream.get())
                             : sf_open_fd(descriptor, SFM_WRITE, &info, SF_FALSE);
    if (handle == nullptr) {
        throw ToolError("cannot write " + name + ": " + sf_strerror(nullptr));
    }
    // Overs written to integer encodings clip instead of wrapping around.
    sf_command(handle, SFC_SET_CLIPPING, nullptr, SF_TRUE);
    return SoundFile(handle, info, name, std::move(stream));
}

bool SoundFile::endedEarly() const
{
    return headerPromisesMore_ || readFailed_;
}

size_t SoundFile::read(float* interleaved, size_t frames)
{
    if (readFailed_) {
        return 0;
    }
    const sf_count_t got = sf_readf_float(handle_, interleaved, static_cast<sf_count_t>(frames));
    // A decoder that loses its way (a cut-off FLAC stream) ends the data where it stopped.
    if (got < 0 || (got == 0 && sf_error(handle_) != SF_ERR_NO_ERROR)) {
        readFailed_ = true;
        return 0;
    }
    framesRead_ += static_cast<uint64_t>(got);
    return static_cast<size_t>(got);
}

void SoundFile::write(const float* interleaved, size_t frames)
{
    const sf_count_t written = sf_writef_float(handle_, interleaved, static_cast<sf_count_t>(frames));
    if (written != static_cast<sf_count_t>(frames)) {
        throw ToolError(InterruptGuard::interrupted() ? "interrupted"
                                                      : "cannot write " + name_ + ": " + sf_strerror(handle_));
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
