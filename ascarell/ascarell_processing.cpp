// The single-band compressor's sample loops, replacing and accumulating,
// stereo and mono.
#include "ascarell_compressor.h"

#include "envelope_lanes.h"
#include "gain_lanes.h"

namespace fendwick {

namespace {

// Inputs strictly inside +-0.00001 count as near-silent; after more than 100
// such frames in a row the gate mutes and stops the work.
constexpr float kSilenceBound = 0.00001f;
constexpr int32_t kSilentFramesBeforeIdle = 100;
constexpr int32_t kIdleSilenceCount = 110;

// -bound < x < bound, as one test of the magnitude so that the sign of
// noise does not steer a branch.
inline bool nearSilent(float x) { return (floatBits(x) & 0x7fffffffu) < floatBits(kSilenceBound); }

// Runs the silence gate for one frame; answers whether the frame is processed.
inline bool gateOpen(bool quiet, int32_t& silenceCount, int32_t& active)
{
    if (!quiet) {
        silenceCount = 0;
        active = 1;
        return true;
    }
    if (++silenceCount > kSilentFramesBeforeIdle) {
        silenceCount = kIdleSilenceCount;
        active = 0;
    }
    return active != 0;
}

// The loops run in two passes over chunks of frames: the first follows the
// gate and the envelopes frame by frame (a recurrence); the second turns the
// levels into gains and output four frames at a time.
constexpr int32_t kChunkFrames = 64;
constexpr int32_t kLanes = 4;

// What the first pass leaves for the second, per channel and frame: the
// detector input (0 while muted), the detected level before the knee, and
// whether the gate was open. Frames past the chunk's end stay zero.
struct ChunkScratch {
    alignas(16) float feed[2][kChunkFrames];
    alignas(16) float level[2][kChunkFrames];
    alignas(16) int32_t open[kChunkFrames];

    void clearTail(int32_t count, int32_t channels)
    {
        for (int32_t j = count; j < kChunkFrames && j % kLanes != 0; ++j) {
            for (int32_t c = 0; c < channels; ++c) {
                feed[c][j] = 0.0f;
                level[c][j] = 0.0f;
            }
            open[j] = 0;
        }
    }
};

// Writes four output lanes to out, of which only `valid` frames exist.
// Replacing writes the open frames and 0 for muted ones; accumulating adds
// to the open frames and leaves muted ones untouched.
template <bool Accumulate>
inline void writeLanes(float* out, int32_t valid, __m128 value, __m128 open)
{
    alignas(16) float spill[kLanes] = {};
    float* target = valid == kLanes ? out : spill;
    if (valid < kLanes) {
        for (int32_t k = 0; k < valid; ++k) {
            spill[k] = out[k];
        }
    }
    if (Accumulate) {
        const __m128 old = _mm_loadu_ps(target);
        _mm_storeu_ps(target, selectLanes(open, _mm_add_ps(old, value), old));
    } else {
        _mm_storeu_ps(target, _mm_and_ps(open, value));
    }
    if (valid < kLanes) {
        for (int32_t k = 0; k < valid; ++k) {
            out[k] = spill[k];
        }
    }
}

}  // namespace

void AscarellCompressor::processReplace(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (isStereo()) {
        processStereo<false>(inputs, outputs, sampleFrames);
    } else {
        processMono<false>(inputs, outputs, sampleFrames);
    }
}

void AscarellCompressor::processAccumulate(float** inputs, float** outputs, int32_t sampleFrames)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (isStereo()) {
        processStereo<true>(inputs, outputs, sampleFrames);
    } else {
        processMono<true>(inputs, outputs, sampleFrames);
    }
}

// State of the loops:
//   lanes          the detector envelopes (linear amplitude), carried across frames
//   silence        near-silent frames in a row, pinned at 110 while idle
//   active         1 while the gate lets frames through
//   t              threshold (linear amplitude); blend: the ratio's gain blend
//   gainIn, gainOut  input and output factors, 2 x the parameter (0.5 is 0 dB)
//   knee, kneeRest the knee blend and 1 - knee
//   lastL, lastR   the last detector inputs, kept for the detectors' record
template <bool Accumulate>
void AscarellCompressor::processStereo(float** inputs, float** outputs, int32_t sampleFrames)
{
    const float* inL = inputs[0];
    const float* inR = inputs[1];
    float* outL = outputs[0];
    float* outR = outputs[1];
    EnvelopeLanes lanes(detectors[0].coefficients(), detectors[1].coefficients(), true);
    lanes.load(detectors[0].state(), detectors[1].state());
    int32_t silence = silenceCount;
    int32_t active = processingActive;
    const float gainIn = inputParam + inputParam;
    const __m128 t = _mm_set1_ps(threshold);
    const __m128 blend = _mm_set1_ps(gainBlend);
    const __m128 gainOut = _mm_set1_ps(outParam + outParam);
    const __m128 kneeAmount = _mm_set1_ps(knee);
    const __m128 kneeRest = _mm_set1_ps(1.0f - knee);
    float lastL = detectors[0].state().lastInput;
    float lastR = detectors[1].state().lastInput;
    ChunkScratch scratch;

    for (int32_t start = 0; start < sampleFrames; start += kChunkFrames) {
        const int32_t count = sampleFrames - start < kChunkFrames ? sampleFrames - start : kChunkFrames;
        for (int32_t j = 0; j < count; ++j) {
            const float a = finiteOrZero(inL[start + j]);
            const float b = finiteOrZero(inR[start + j]);
            const bool open = gateOpen(nearSilent(a) && nearSilent(b), silence, active);
            lastL = open ? a * gainIn : 0.0f;
            lastR = open ? b * gainIn : 0.0f;
            const __m128 levels = lanes.step(lastL, lastR);
            _mm_store_ss(&scratch.level[0][j], levels);
            _mm_store_ss(&scratch.level[1][j], _mm_shuffle_ps(levels, levels, 1));
            scratch.feed[0][j] = lastL;
            scratch.feed[1][j] = lastR;
            scratch.open[j] = open ? -1 : 0;
        }
        scratch.clearTail(count, 2);
        for (int32_t j = 0; j < count; j += kLanes) {
            const __m128 eL = kneeShapeLanes(_mm_load_ps(&scratch.level[0][j]), kneeAmount, kneeRest);
            const __m128 eR = kneeShapeLanes(_mm_load_ps(&scratch.level[1][j]), kneeAmount, kneeRest);
            // Both channels take the gain of the louder detector.
            const __m128 gain = compressionGainLanes(_mm_max_ps(eL, eR), t, blend);
            const __m128 open = _mm_load_ps(reinterpret_cast<const float*>(&scratch.open[j]));
            const __m128 yL = flushToZeroLanes(_mm_mul_ps(gain, _mm_load_ps(&scratch.feed[0][j])));
            const __m128 yR = flushToZeroLanes(_mm_mul_ps(gain, _mm_load_ps(&scratch.feed[1][j])));
            const int32_t valid = count - j < kLanes ? count - j : kLanes;
            writeLanes<Accumulate>(outL + start + j, valid, _mm_mul_ps(yL, gainOut), open);
            writeLanes<Accumulate>(outR + start + j, valid, _mm_mul_ps(yR, gainOut), open);
        }
    }

    EnvelopeDetector::Envelope left;
    EnvelopeDetector::Envelope right;
    lanes.store(left, right, lastL, lastR);
    detectors[0].setState(left);
    detectors[1].setState(right);
    silenceCount = silence;
    processingActive = active;
}

template <bool Accumulate>
void AscarellCompressor::processMono(float** inputs, float** outputs, int32_t sampleFrames)
{
    const float* in = inputs[0];
    float* out = outputs[0];
    EnvelopeLanes lanes(detectors[0].coefficients(), detectors[0].coefficients(), false);
    lanes.load(detectors[0].state(), EnvelopeDetector::Envelope{});
    int32_t silence = silenceCount;
    int32_t active = processingActive;
    const float gainIn = inputParam + inputParam;
    const __m128 t = _mm_set1_ps(threshold);
    const __m128 blend = _mm_set1_ps(gainBlend);
    const __m128 gainOut = _mm_set1_ps(outParam + outParam);
    const __m128 kneeAmount = _mm_set1_ps(knee);
    const __m128 kneeRest = _mm_set1_ps(1.0f - knee);
    float last = detectors[0].state().lastInput;
    ChunkScratch scratch;

    for (int32_t start = 0; start < sampleFrames; start += kChunkFrames) {
        const int32_t count = sampleFrames - start < kChunkFrames ? sampleFrames - start : kChunkFrames;
        for (int32_t j = 0; j < count; ++j) {
            const float a = finiteOrZero(in[start + j]);
            const bool open = gateOpen(nearSilent(a), silence, active);
            last = open ? a * gainIn : 0.0f;
            _mm_store_ss(&scratch.level[0][j], lanes.step(last, 0.0f));
            scratch.feed[0][j] = last;
            scratch.open[j] = open ? -1 : 0;
        }
        scratch.clearTail(count, 1);
        for (int32_t j = 0; j < count; j += kLanes) {
            const __m128 e = kneeShapeLanes(_mm_load_ps(&scratch.level[0][j]), kneeAmount, kneeRest);
            const __m128 gain = compressionGainLanes(e, t, blend);
            const __m128 open = _mm_load_ps(reinterpret_cast<const float*>(&scratch.open[j]));
            const __m128 y = flushToZeroLanes(_mm_mul_ps(gain, _mm_load_ps(&scratch.feed[0][j])));
            const int32_t valid = count - j < kLanes ? count - j : kLanes;
            writeLanes<Accumulate>(out + start + j, valid, _mm_mul_ps(y, gainOut), open);
        }
    }

    EnvelopeDetector::Envelope envelope;
    EnvelopeDetector::Envelope unused;
    lanes.store(envelope, unused, last, 0.0f);
    detectors[0].setState(envelope);
    silenceCount = silence;
    processingActive = active;
}

}  // namespace fendwick
