// An audio file read or written through libsndfile, interleaved frames at a time.
#pragma once

#include "stream_output.h"

#include <sndfile.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace fendwick {

// Owns one open libsndfile handle. Errors throw `ToolError` naming the file
// in words a user understands. Samples are floats with full scale at 1.0;
// writing to an integer encoding clips rather than wraps. A file whose data
// ends before its header says reads what is there and then reports
// endedEarly(). A descriptor that cannot seek (a pipe) is written as a stream.
class SoundFile {
public:
    static SoundFile openForReading(const std::string& path);
    // Writes into an open descriptor (which stays the caller's to close);
    // `name` is used in messages.
    static SoundFile createOnDescriptor(int descriptor, const std::string& name, int format, int channels,
                                       int sampleRateHz);

    SoundFile(SoundFile&& other) noexcept;
    SoundFile& operator=(SoundFile&&) = delete;
    SoundFile(const SoundFile&) = delete;
    ~SoundFile();

    int channels() const { return info_.channels; }
    int sampleRate() const { return info_.samplerate; }
    int64_t frames() const { return info_.frames; }
    int format() const { return info_.format; }
    // True once reading has stopped short of the frames the header promised.
    bool endedEarly() const;
    uint64_t framesRead() const { return framesRead_; }

    // Reads up to `frames` frames; answers how many came (0 at the end).
    size_t read(float* interleaved, size_t frames);
    void write(const float* interleaved, size_t frames);
    // Flushes and closes; throws when the data did not reach the file.
    void close();

private:
    SoundFile(SNDFILE* handle, const SF_INFO& info, std::string name, std::unique_ptr<StreamOutput> stream = nullptr);

    // What libsndfile writes into when the descriptor is a pipe.
    std::unique_ptr<StreamOutput> stream_;
    SNDFILE* handle_ = nullptr;
    SF_INFO info_{};
    std::string name_;
    uint64_t framesRead_ = 0;
    bool headerPromisesMore_ = false;
    bool readFailed_ = false;
};

}  // namespace fendwick
