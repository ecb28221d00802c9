// The meters of the character compressor: what each gathers, where it
// starts counting and in which order they publish.
#pragma once

#include "character_channels.h"
#include "meter_channel.h"

#include <cstdint>

namespace fendwick {

// What one processed frame shows the meters.
struct MeterReadings {
    float compressorGain;   // the smaller softened compressor gain of the channels
    float compressedLevel;  // the larger compressed magnitude of the channels
    float outputLevel[2];   // each channel's final output magnitude
    float limiterGain[2];   // each channel's limiter gain, 1.0 with the limiter off
};

// What a run of processed frames shows the meters, frame by frame.
struct MeterRuns {
    const float* compressorGain;
    const float* compressedLevel;
    const float* outputLevel[2];
    const float* limiterGain[2];

    MeterReadings at(int32_t frame) const
    {
        return {compressorGain[frame],
                compressedLevel[frame],
                {outputLevel[0][frame], outputLevel[1] != nullptr ? outputLevel[1][frame] : 0.0f},
                {limiterGain[0][frame], limiterGain[1] != nullptr ? limiterGain[1][frame] : 0.0f}};
    }
};

// The meters of one build, by display value from firstIndex on: compressor
// gain, compressed level, the output level of each channel, the limiter
// gain of each channel. Each publishes once every interval + 1 frames,
// processed or not, handing (display index, value) to a publish callable;
// their staggered start counts keep them on different frames. Audio thread
// only, except reset, which the effect calls between blocks.
class CharacterMeters {
public:
    CharacterMeters(CharacterChannels channels, int32_t firstIndex);

    // A processed frame.
    template <int Channels, class Publish>
    void gather(const MeterReadings& r, int32_t interval, Publish& publish)
    {
        take(kCompressedLevelSlot, r.compressedLevel, interval, publish);
        take(kCompressorGainSlot, r.compressorGain, interval, publish);
        for (int c = 0; c < Channels; ++c) {
            take(outputSlot(c), r.outputLevel[c], interval, publish);
        }
        for (int c = 0; c < Channels; ++c) {
            take(limiterSlot<Channels>(c), r.limiterGain[c], interval, publish);
        }
    }

    // A run of count processed frames: the stretches in which no meter
    // closes its window are gathered at once, each meter's quantities folded
    // by fold(kind, quantities, n) into the one value gather would keep from
    // the kind's rest value; the frames that close a window as single
    // frames. So the values and their order are those of gather.
    template <int Channels, class Publish, class Fold>
    void gatherRun(const MeterRuns& r, int32_t count, int32_t interval, Publish& publish, Fold fold)
    {
        constexpr int32_t kMeters = 2 + 2 * Channels;
        int32_t done = 0;
        while (done < count) {
            int32_t stretch = count - done;
            for (int32_t slot = 0; slot < kMeters; ++slot) {
                const int32_t free = meters[slot].framesBeforeDue(interval);
                stretch = free < stretch ? free : stretch;
            }
            if (stretch <= 0) {
                gather<Channels>(r.at(done), interval, publish);
                ++done;
                continue;
            }
            meters[kCompressorGainSlot].gatherFolded(fold(MeterKind::gain, r.compressorGain + done, stretch),
                                                     stretch);
            meters[kCompressedLevelSlot].gatherFolded(fold(MeterKind::level, r.compressedLevel + done, stretch),
                                                      stretch);
            for (int c = 0; c < Channels; ++c) {
                meters[outputSlot(c)].gatherFolded(fold(MeterKind::level, r.outputLevel[c] + done, stretch),
                                                   stretch);
                meters[limiterSlot<Channels>(c)].gatherFolded(fold(MeterKind::gain, r.limiterGain[c] + done, stretch),
                                                              stretch);
            }
            done += stretch;
        }
    }

    // A frame the silence gate bypasses: every meter counts, none gathers,
    // the limiter meters first and the compressor meters last.
    template <int Channels, class Publish>
    void skip(int32_t interval, Publish& publish)
    {
        for (int c = 0; c < Channels; ++c) {
            pass(limiterSlot<Channels>(c), interval, publish);
        }
        for (int c = 0; c < Channels; ++c) {
            pass(outputSlot(c), interval, publish);
        }
        pass(kCompressedLevelSlot, interval, publish);
        pass(kCompressorGainSlot, interval, publish);
    }

    // count frames the silence gate bypasses in a row, as that many skips.
    template <int Channels, class Publish>
    void skipRun(int32_t count, int32_t interval, Publish& publish)
    {
        skipFrames(meters, 2 + 2 * Channels, count, interval, [&] { skip<Channels>(interval, publish); });
    }

    // Every meter back to its rest value and start count.
    void reset();

    int32_t firstIndex() const { return first; }
    int32_t count() const { return meterCount; }
    // The last published value of the meter at display index firstIndex() + slot.
    float value(int32_t slot) const { return meters[slot].value(); }

private:
    static constexpr int32_t kMostMeters = 6;
    static constexpr int32_t kCompressorGainSlot = 0;
    static constexpr int32_t kCompressedLevelSlot = 1;
    static int32_t outputSlot(int c) { return 2 + c; }
    template <int Channels>
    static int32_t limiterSlot(int c)
    {
        return 2 + Channels + c;
    }
    static MeterChannel meterInSlot(CharacterChannels channels, int32_t slot);

    template <class Publish>
    void take(int32_t slot, float quantity, int32_t interval, Publish& publish)
    {
        if (meters[slot].gather(quantity, interval)) {
            publish(first + slot, meters[slot].value());
        }
    }
    template <class Publish>
    void pass(int32_t slot, int32_t interval, Publish& publish)
    {
        if (meters[slot].skip(interval)) {
            publish(first + slot, meters[slot].value());
        }
    }

    int32_t first;
    int32_t meterCount;
    MeterChannel meters[kMostMeters];  // the mono build uses the first four
};

}  // namespace fendwick
