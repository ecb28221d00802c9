// Passages of the soak's input, chosen and played.
#include "soak_signal.h"

#include "benchmark_signal.h"
#include "demo_signal.h"

#include <algorithm>
#include <cmath>

namespace fendwick {
namespace {

constexpr double kSourceSeconds = 20.0;

struct PassageShape {
    double shortestSeconds;
    double longestSeconds;
    double quietestDb;
    double loudestDb;
};

// Music and noise at mix levels, silences short as between songs, overloads
// short as the accident they stand for.
constexpr PassageShape kMusicShape{2.0, 20.0, -24.0, 0.0};
constexpr PassageShape kNoiseShape{2.0, 20.0, -24.0, 0.0};
constexpr PassageShape kSilenceShape{0.1, 4.0, 0.0, 0.0};
constexpr PassageShape kOverloadShape{0.2, 3.0, 6.0, 18.0};

}  // namespace

SoakSignal::SoakSignal(double rateHz, int channels, std::mt19937& random)
    : rateHz_(rateHz),
      random_(random),
      music_(makeDemoSignal(rateHz, kSourceSeconds)),
      noise_(makeBenchmarkSignal(rateHz, kSourceSeconds, std::max(channels, 1)))
{
}

void SoakSignal::startPassage()
{
    // Music most of the time, as a host's session has it.
    std::discrete_distribution<int> kinds({5, 2, 2, 1});
    kind_ = static_cast<Kind>(kinds(random_));
    const PassageShape& shape = kind_ == Kind::music   ? kMusicShape
                                : kind_ == Kind::noise ? kNoiseShape
                                : kind_ == Kind::silence ? kSilenceShape
                                                         : kOverloadShape;
    const double seconds = std::uniform_real_distribution<double>(shape.shortestSeconds, shape.longestSeconds)(random_);
    framesLeft_ = std::max<size_t>(1, static_cast<size_t>(seconds * rateHz_));
    const double gainDb = std::uniform_real_distribution<double>(shape.quietestDb, shape.loudestDb)(random_);
    gain_ = kind_ == Kind::silence ? 0.0f : static_cast<float>(std::pow(10.0, gainDb / 20.0));
    source_ = kind_ == Kind::noise ? &noise_ : &music_;
    position_ = std::uniform_int_distribution<size_t>(0, source_->frames() - 1)(random_);
}

void SoakSignal::fill(const std::vector<float*>& channels, size_t frames)
{
    size_t done = 0;
    while (done < frames) {
        if (framesLeft_ == 0) {
            startPassage();
        }
        const size_t run = std::min({frames - done, framesLeft_, source_->frames() - position_});
        for (size_t c = 0; c < channels.size(); ++c) {
            const float* from = source_->channel(static_cast<int>(c) % source_->channels()) + position_;
            std::transform(from, from + run, channels[c] + done, [this](float x) { return x * gain_; });
        }
        done += run;
        framesLeft_ -= run;
        position_ = (position_ + run) % source_->frames();
    }
}

}  // namespace fendwick
