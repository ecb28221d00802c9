// A plain frame-by-frame model of the single-band compressor's processing,
// built from EnvelopeDetector::step and the gain law, and the test signals
// that drive it into every corner.
#pragma once

#include "ascarell_frame_loop.h"
#include "envelope_detector.h"
#include "sample_guards.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <tuple>
#include <vector>

namespace fendwick {
namespace testing_model {

inline uint32_t bitsOf(float x)
{
    uint32_t bits;
    std::memcpy(&bits, &x, sizeof bits);
    return bits;
}

inline float flushed(float x) { return std::fpclassify(x) == FP_SUBNORMAL || x == 0.0f ? 0.0f : x; }

// Normal samples up to the largest input pass; the rest counts as 0.0.
inline float cleaned(float x) { return std::isnormal(x) && std::fabs(x) <= kLargestInput ? x : 0.0f; }

inline bool nearSilent(float x) { return -0.00001f < x && x < 0.00001f; }

// The frame loop, with its template arguments chosen at run time.
inline void runFrameLoop(FrameLanes lanes, bool stereo, bool accumulate,
                         const EnvelopeDetector::Coefficients (&k)[2], const AscarellBlockSettings& settings,
                         AscarellLoopState& state, float* const* in, float* const* out, int32_t frames)
{
    if (stereo) {
        accumulate ? runAscarellFrames<2, true>(lanes, k, settings, state, in, out, frames)
                   : runAscarellFrames<2, false>(lanes, k, settings, state, in, out, frames);
    } else {
        accumulate ? runAscarellFrames<1, true>(lanes, k, settings, state, in, out, frames)
                   : runAscarellFrames<1, false>(lanes, k, settings, state, in, out, frames);
    }
}

// The parameters of the tests that run every kind of lanes on mono and
// stereo, and their names ("Sse2Stereo").
using LanesAndStereo = std::tuple<FrameLanes, bool>;

inline auto everyLanesMonoAndStereo()
{
    return ::testing::Combine(
        ::testing::Values(FrameLanes::scalar, FrameLanes::sse2, FrameLanes::avx512), ::testing::Bool());
}

inline std::string lanesAndStereoName(const ::testing::TestParamInfo<LanesAndStereo>& param)
{
    static const char* const kLanes[] = {"Scalar", "Sse2", "Avx512"};
    return std::string(kLanes[static_cast<int>(std::get<0>(param.param))]) +
           (std::get<1>(param.param) ? "Stereo" : "Mono");
}

// One frame at a time, no lanes: the gate, the detectors, the gain law and
// the output stage. Takes the coefficients and settings of each block and
// keeps its own state.
class ReferenceCompressor {
public:
    explicit ReferenceCompressor(bool isStereo) : stereo(isStereo) {}

    void process(const EnvelopeDetector::Coefficients (&k)[2], const AscarellBlockSettings& s,
                 float* const* in, float* const* out, int32_t frames, bool accumulate)
    {
        const int channels = stereo ? 2 : 1;
        const float gainIn = s.inputParam + s.inputParam;
        const float gainOut = s.outParam + s.outParam;
        const float t = s.threshold;

        for (int32_t i = 0; i < frames; ++i) {
            float x[2] = {cleaned(in[0][i]), stereo ? cleaned(in[1][i]) : 0.0f};
            const bool quiet = nearSilent(x[0]) && (!stereo || nearSilent(x[1]));
            bool processed;
            if (!quiet) {
                silenceCount = 0;
                processingActive = 1;
                processed = true;
            } else if (++silenceCount > 100) {
                silenceCount = 110;
                processingActive = 0;
                processed = false;
            } else {
                processed = processingActive != 0;
            }
            if (!processed) {
                for (int ch = 0; ch < channels; ++ch) {
                    EnvelopeDetector::step(k[ch], envelope[ch], 0.0f);
                    if (!accumulate) {
                        out[ch][i] = 0.0f;
                    }
                }
                continue;
            }
            float e[2] = {0.0f, 0.0f};
            for (int ch = 0; ch < channels; ++ch) {
                x[ch] = x[ch] * gainIn;
                e[ch] = EnvelopeDetector::step(k[ch], envelope[ch], x[ch]);
            }
            float gain = 1.0f;
            if (!(e[0] < t && (!stereo || e[1] < t))) {
                const float m = !stereo || e[0] >= e[1] ? e[0] : e[1];
                const float g = flushed(t / m);
                gain = flushed(g + (1.0f - g) * s.gainBlend);
            }
            for (int ch = 0; ch < channels; ++ch) {
                const float y = flushed(gain * x[ch]) * gainOut;
                out[ch][i] = accumulate ? out[ch][i] + y : y;
            }
        }
    }

    const EnvelopeDetector::Envelope& state(int channel) const { return envelope[channel]; }
    int32_t silence() const { return silenceCount; }
    int32_t active() const { return processingActive; }

private:
    bool stereo;
    EnvelopeDetector::Envelope envelope[2];
    int32_t silenceCount = 0;
    int32_t processingActive = 0;
};

// Pieces of test signal, each chosen for a corner of the loops.
class SignalMaker {
public:
    explicit SignalMaker(uint32_t start) : random(start) {}

    void noise(std::vector<float>& x, size_t n, float amplitude)
    {
        std::uniform_real_distribution<float> u(-1.0f, 1.0f);
        for (size_t i = 0; i < n; ++i) {
            x.push_back(u(random) * amplitude);
        }
    }
    static void constant(std::vector<float>& x, size_t n, float value) { x.insert(x.end(), n, value); }

    // Every kind of piece, in random order and lengths; the same start gives
    // the same signal.
    std::vector<float> mixture(size_t minimumFrames)
    {
        std::vector<float> x;
        std::uniform_int_distribution<int> kind(0, 9);
        std::uniform_int_distribution<size_t> length(1, 400);
        const float denormal = std::numeric_limits<float>::denorm_min();
        while (x.size() < minimumFrames) {
            switch (kind(random)) {
            case 0: noise(x, length(random), 0.9f); break;
            case 1: constant(x, length(random) + 100, 0.0f); break;   // past the gate's 100 frames
            case 2: noise(x, length(random), 0.000009f); break;       // near-silent noise
            case 3: noise(x, length(random), 1e-37f); break;          // around the smallest normal
            case 4: noise(x, length(random), denormal * 5000.0f); break;
            case 5: constant(x, length(random) + 300, 0.5f); break;   // the envelope reaches its input
            case 6: noise(x, length(random), 0.003f); break;          // around the lowest threshold
            case 7: {
                const float bad[] = {std::numeric_limits<float>::quiet_NaN(),
                                     std::numeric_limits<float>::infinity(),
                                     -std::numeric_limits<float>::infinity(),
                                     -0.0f,
                                     denormal,
                                     kLargestInput,
                                     -std::nextafter(kLargestInput, INFINITY),
                                     1e10f,
                                     -std::numeric_limits<float>::max()};
                for (float b : bad) {
                    x.push_back(b);
                    noise(x, 3, 0.7f);
                }
                break;
            }
            case 8: constant(x, length(random), -0.25f); break;
            default: noise(x, length(random), 1e-5f); break;  // straddles the gate's bound
            }
        }
        return x;
    }

    // A loud burst, silence long enough that the envelopes decay through the
    // denormals to exact zero, sound again, then a tiny burst whose decay
    // starts close to the denormals.
    void decays(std::vector<float>& left, std::vector<float>& right, size_t silentFrames)
    {
        noise(left, 3000, 0.95f);
        noise(right, 3000, 0.2f);
        constant(left, silentFrames, 0.0f);
        constant(right, silentFrames, 0.0f);
        noise(left, 500, 0.5f);
        noise(right, 500, 0.5f);
        noise(left, 200, 1e-30f);
        noise(right, 200, 1e-33f);
        constant(left, 30000, 0.0f);
        constant(right, 30000, 0.0f);
    }

    size_t blockSize() { return std::uniform_int_distribution<size_t>(1, 700)(random); }

private:
    std::mt19937 random;
};

}  // namespace testing_model
}  // namespace fendwick
