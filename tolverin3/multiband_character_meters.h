// The eight meters of the three-band character compressor: what each
// gathers, where it starts counting and in which order they publish.
#pragma once

#include "ascarell3_parameters.h"
#include "meter_channel.h"
#include "tolverin3_parameters.h"

#include <cmath>
#include <cstdint>

namespace fendwick {

// What one processed frame shows the meters; bands in the order Hi, Mid, Lo.
struct MultibandCharacterReadings {
    float bandShare[kMultibandBandCount];  // the band's sample in the mix: its output times its band gain
    float bandGain[kMultibandBandCount];   // the band's shaped gain, 1.0 when silent or uncompressed
    float output;                          // the final output sample
    float limiterGain;                     // 1.0 with the limiter off
};

// The meters by display value from Tolverin3Meter::hiGain on: the gains of
// the Hi, Mid and Lo bands, their levels, the output level and the limiter
// gain. Each publishes once every interval + 1 frames, processed or not,
// handing (display index, value) to a publish callable; their staggered
// start counts keep them on different frames. Within a frame they update
// levels first (Hi, Mid, Lo), then the band gains, the output, the limiter.
// Audio thread only, except reset, which the effect calls between blocks.
class MultibandCharacterMeters {
public:
    static constexpr int32_t kFirstIndex = Tolverin3Meter::hiGain;
    static constexpr int32_t kCount = Tolverin3Meter::end - Tolverin3Meter::hiGain;

    MultibandCharacterMeters();

    // A processed frame.
    template <class Publish>
    void gather(const MultibandCharacterReadings& r, int32_t interval, Publish& publish)
    {
        const float quantity[kCount] = {r.bandGain[0],
                                        r.bandGain[1],
                                        r.bandGain[2],
                                        std::fabs(r.bandShare[0]),
                                        std::fabs(r.bandShare[1]),
                                        std::fabs(r.bandShare[2]),
                                        std::fabs(r.output),
                                        r.limiterGain};
        for (const int32_t slot : kUpdateOrder) {
            gatherInto(slot, quantity[slot], interval, publish);
        }
    }

    // count processed frames at once: quantities[slot][i] is what the meter
    // at display index kFirstIndex + slot takes at frame i, levels signed.
    // Up to the next frame on which a meter is due every meter takes its
    // frames as one value, fold(kind, row, first, n) of the n frames from
    // first on, as gather would keep it from the rest value; that frame
    // goes meter by meter, so that every publication keeps its frame and
    // its order.
    template <class Publish, class Fold>
    void gatherRun(const float* const (&quantities)[kCount], int32_t count, int32_t interval, Publish& publish,
                   Fold fold)
    {
        for (int32_t i = 0; i < count; ++i) {
            int32_t run = count - i;
            for (const MeterChannel& meter : meters) {
                const int32_t due = meter.framesBeforeDue(interval);
                run = due < run ? (due > 0 ? due : 0) : run;
            }
            for (int32_t slot = 0; slot < kCount && run > 0; ++slot) {
                meters[slot].gatherFolded(fold(kKinds[slot], quantities[slot], i, run), run);
            }
            i += run;
            if (i == count) {
                return;
            }
            for (const int32_t slot : kUpdateOrder) {
                const float q = quantities[slot][i];
                gatherInto(slot, kKinds[slot] == MeterKind::level ? std::fabs(q) : q, interval, publish);
            }
        }
    }

    // A frame the silence gate skips: every meter counts, none gathers.
    template <class Publish>
    void skip(int32_t interval, Publish& publish)
    {
        for (const int32_t slot : kUpdateOrder) {
            if (meters[slot].skip(interval)) {
                publish(kFirstIndex + slot, meters[slot].value());
            }
        }
    }

    // count frames the silence gate skips in a row, as that many skips.
    template <class Publish>
    void skipRun(int32_t count, int32_t interval, Publish& publish)
    {
        skipFrames(meters, kCount, count, interval, [&] { skip(interval, publish); });
    }

    // Every meter back to its rest value and start count.
    void reset();

    // The last published value of the meter at display index kFirstIndex + slot.
    float value(int32_t slot) const { return meters[slot].value(); }

private:
    template <class Publish>
    void gatherInto(int32_t slot, float quantity, int32_t interval, Publish& publish)
    {
        if (meters[slot].gather(quantity, interval)) {
            publish(kFirstIndex + slot, meters[slot].value());
        }
    }

    static constexpr int32_t kUpdateOrder[kCount] = {3, 4, 5, 0, 1, 2, 6, 7};
    static constexpr MeterKind kKinds[kCount] = {MeterKind::gain,  MeterKind::gain,  MeterKind::gain,
                                                 MeterKind::level, MeterKind::level, MeterKind::level,
                                                 MeterKind::level, MeterKind::gain};

    MeterChannel meters[kCount];
};

}  // namespace fendwick
