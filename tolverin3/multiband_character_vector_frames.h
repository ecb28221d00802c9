// The three-band character compressor's frame loop in SSE2 and in
// AVX-512VL, chunk by chunk; included only where the x86 vector paths are built.
#pragma once

#include "avx512_band_envelopes.h"
#include "avx512_character_peaks.h"
#include "avx512_limiter_peaks.h"
#include "band_envelope_lanes.h"
#include "band_gain_vectors.h"
#include "character_detector.h"
#include "character_curve.h"
#include "limiter_detector.h"
#include "multiband_character_meters.h"
#include "crossover_lanes.h"
#include "four_column_rows.h"
#include "frame_group_lanes.h"
#include "input_guard_avx512.h"
#include "lane_types.h"
#include "meter_fold_vectors.h"
#include "multiband_character_scalar_frames.h"
#include "output_stage_vectors.h"
#include "serial_peaks.h"

#include <xmmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <initializer_list>

namespace fendwick {

namespace multiband_character_vector {

constexpr int32_t kGroupFrames = frame_group::kFrames;
static_assert(kGroupFrames == CrossoverLanes::kRunFrames, "the gate's groups are the crossover's runs");

// What the stages hand on for each frame of a chunk, all linear amplitude:
//   x       the usable input, then after the low cut
//   crossover  the crossover's outputs {lo, 0, low-pass, 0} per frame
//   band    the crossover's Hi, Mid, Lo samples of the low cut's output,
//           by band and again by frame {Hi, Mid, Lo, 0} for the detectors
//   fastEnvelopes, slowEnvelopes  the band detectors' envelopes {Hi, Mid, Lo}
//           per frame (the AVX-512 path's, which works out the levels from them)
//   level   each band detector's level
//   gain    each band's shaped gain (1.0 silent or uncompressed)
//   share   each band's output times its band gain
//   u       the band mix
//   sonicPeaks    the SonicFilter detector's peaks {30 ms, 150 ms} per frame
//   s       the SonicFilter's output at the output level
//   limiterPeaks  the limiter detector's peaks {100 ms, 1 s, 10 ms} per frame
//   out     the output sample;  limit the limiter gain
// Rows are cleared nowhere: a stage reads only what the stage before wrote,
// and a chunk short of kFrames pads the rows its vectors read past its frames.
struct Chunk {
    static constexpr int32_t kFrames = BandChunk::kFrames;
    BandChunk bands;
    alignas(64) float x[kFrames];
    alignas(64) float crossover[kFrames][4];
    alignas(64) float byFrame[kFrames][4];
    alignas(64) float fastEnvelopes[kFrames][4];
    alignas(64) float slowEnvelopes[kFrames][4];
    alignas(64) float sonicPeaks[kFrames][4];
    alignas(64) float s[kFrames];
    alignas(64) float limiterPeaks[kFrames][4];
    alignas(64) float out[kFrames];
    alignas(64) float limit[kFrames];
    int32_t start;   // first frame in the host's block
    int32_t frames;  // frames held, all processed
};

// What a block reads once of the stages after the mix.
struct OutputSettings {
    bool loCut;
    const CharacterCurve* curve;
    float outputGain;  // twice "OutLevel"
    bool limiter;
    float ceiling;
};

inline OutputSettings outputSettings(MultibandCharacterState& state)
{
    return {state.loCut.switchSetting() >= 0.5f,
            &characterCurveFor(state.sonicFilter.curveSetting(), state.sonicFilter.curveSetSetting()),
            state.output.outLevelSetting() + state.output.outLevelSetting(), state.output.limiterSetting() >= 0.5f,
            state.output.ceilingSetting()};
}

// The detectors of the chain: in masked AVX-512VL lanes on the AVX-512 path
// (Width 16); on the SSE2 path the band envelopes in generic vectors, the
// SonicFilter's and the limiter's detectors one sample after another.
template <int Width>
struct ChainDetectors {
    using Envelopes = BandEnvelopeLanes;
    using Character = SerialPeaks<CharacterDetector>;
    using Limiter = SerialPeaks<LimiterDetector>;
};

template <>
struct ChainDetectors<16> {
    using Envelopes = Avx512BandEnvelopes;
    using Character = Avx512CharacterPeaks;
    using Limiter = Avx512LimiterPeaks;
};

// The recurrences of the chain, taken out of the state for a run of chunks
// and kept back after it: low cut, crossover and band detectors ahead of the
// mix; SonicFilter and limiter detectors after it.
template <int Width>
struct ChainLanes {
    ChainLanes(const MultibandCharacterBlockSettings& s, MultibandCharacterState& state)
        : loCut(state.loCut.section()),
          crossover(state.crossover),
          envelopes(state.detectors, s.bands),
          character(state.sonicFilter.levelDetector()),
          limiter(state.output.limiterDetector())
    {
    }

    void keepIn(MultibandCharacterState& state) const
    {
        state.loCut.section().keepHistoryOf(loCut);
        crossover.store(state.crossover);
        envelopes.keepIn(state.detectors);
        character.keepIn(state.sonicFilter.levelDetector());
        limiter.keepIn(state.output.limiterDetector());
    }

    LoCutFilter loCut;
    CrossoverLanes crossover;
    typename ChainDetectors<Width>::Envelopes envelopes;
    typename ChainDetectors<Width>::Character character;
    typename ChainDetectors<Width>::Limiter limiter;
};

// The frames of the group from g on among the first `frames`.
inline int32_t groupFrames(int32_t frames, int32_t g)
{
    return frames - g < kGroupFrames ? frames - g : kGroupFrames;
}

// The guard over a whole chunk's frames into x, sixteen at a time with
// AVX-512; answers whether none of them is near-silent, which opens the
// gate for all of them whatever its count.
FENDWICK_AVX512 inline bool guardLoudChunk(const float* input, Chunk& c)
{
    static_assert(Chunk::kFrames % 16 == 0, "whole vectors of sixteen frames");
    float* const inputs[1] = {const_cast<float*>(input)};
    float* const x[1] = {c.x};
    alignas(64) int32_t quiet[Chunk::kFrames];
    return !guardInputsAvx512<1>(inputs, 0, Chunk::kFrames, x, quiet);
}

template <int Width>
inline bool guardAndGate(const float* input, int32_t frames, MultibandCharacterState& state, Chunk& c)
{
    if constexpr (Width == 16) {
        if (frames == Chunk::kFrames && guardLoudChunk(input, c)) {
            state.silenceCount = 0;
            state.processingActive = 1;
            return true;
        }
    }
    SilenceGate gate(state.silenceCount, state.processingActive);
    for (int32_t g = 0; g < frames; g += kGroupFrames) {
        const int32_t valid = groupFrames(frames, g);
        __m128 x = frame_group::loadFrames(input + g, valid);
        usableInputInPlace<frame_group::Bits>(x);
        _mm_store_ps(&c.x[g], x);
        if (gate.run(frame_group::quietFrames(x), valid) != (1u << valid) - 1u) {
            return false;
        }
    }
    state.silenceCount = gate.silenceCount();
    state.processingActive = gate.processingActive();
    return true;
}

// The low cut over the group of frames from g on, in place.
template <int Width>
inline void cutGroup(ChainLanes<Width>& lanes, Chunk& c, int32_t g)
{
    const int32_t end = g + groupFrames(c.frames, g);
    for (int32_t i = g; i < end; ++i) {
        c.x[i] = lanes.loCut.step(c.x[i]);
    }
}

// The crossover over the group of frames from g on, its outputs a row per
// frame for splitBands.
template <class FlushCheck, int Width>
inline void splitGroup(ChainLanes<Width>& lanes, Chunk& c, int32_t g)
{
    const int32_t valid = groupFrames(c.frames, g);
    const __m128 zero = _mm_setzero_ps();
    const __m128 v = _mm_load_ps(&c.x[g]);  // zeros past the chunk's frames, as guardAndGate stores them
    __m128 laneInputs[kGroupFrames];
    __m128 split[kGroupFrames] = {zero, zero, zero, zero};
    CrossoverLanes::spreadInputs(v, zero, laneInputs);
    lanes.crossover.template run<FlushCheck>(laneInputs, split, (1u << valid) - 1u, valid);
    for (int32_t k = 0; k < kGroupFrames; ++k) {
        _mm_store_ps(c.crossover[g + k], split[k]);
    }
}

// The bands of a chunk from the crossover's rows, Width frames at a time:
// Lo its low output, Mid its low-pass less Lo, Hi the input less the
// low-pass. Into the rows by band for the band gains and, frame by frame
// {Hi, Mid, Lo, 0}, for the band detectors.
template <int Width>
inline void splitBands(Chunk& c)
{
    using Floats = typename LaneTypes<Width>::Floats;
    using Bits = typename LaneTypes<Width>::Bits;
    constexpr auto kHi = static_cast<int32_t>(MultibandBand::hi);
    constexpr auto kMid = static_cast<int32_t>(MultibandBand::mid);
    constexpr auto kLo = static_cast<int32_t>(MultibandBand::lo);
    for (int32_t i = 0; i < c.frames; i += Width) {
        Floats outputs[4];
        columnsOf(c.crossover, i, outputs);
        Floats x;
        std::memcpy(&x, &c.x[i], sizeof x);
        Floats bands[4] = {};
        bands[kLo] = outputs[0];
        bands[kMid] = outputs[2] - outputs[0];
        bands[kHi] = x - outputs[2];
        flushToZeroInPlace<Bits>(bands[kMid]);
        flushToZeroInPlace<Bits>(bands[kHi]);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            std::memcpy(&c.bands.sample[b][i], &bands[b], sizeof bands[b]);
        }
        rowsOf(bands, c.byFrame, i);
    }
}

// The band detectors over the group of frames from g on.
template <int Width>
inline void detectGroup(ChainLanes<Width>& lanes, Chunk& c, int32_t g)
{
    const int32_t valid = groupFrames(c.frames, g);
    if constexpr (Width == 16) {
        lanes.envelopes.run(&c.byFrame[g], &c.fastEnvelopes[g], &c.slowEnvelopes[g], valid);
    } else {
        using Floats4 = LaneTypes<4>::Floats;
        Floats4 bands[kGroupFrames];
        std::memcpy(bands, c.byFrame[g], sizeof bands);
        Floats4 levels[kGroupFrames] = {};
        lanes.envelopes.run(bands, levels, valid);
        // Frame by frame into lanes by band.
        __m128 rows[kGroupFrames];
        for (int32_t k = 0; k < kGroupFrames; ++k) {
            rows[k] = reinterpret_cast<__m128>(levels[k]);
        }
        _MM_TRANSPOSE4_PS(rows[0], rows[1], rows[2], rows[3]);
        for (int32_t b = 0; b < kMultibandBandCount; ++b) {
            _mm_store_ps(&c.bands.level[b][g], rows[b]);
        }
    }
}

// Zeros from frame `frames` to the chunk's end in the rows a stage reads
// in whole vectors but the serial stage before it writes frame by frame.
inline void padChunk(Chunk& c)
{
    const auto pad = [&c](float* row) {
        for (int32_t i = c.frames; i < Chunk::kFrames; ++i) {
            row[i] = 0.0f;
        }
    };
    pad(c.x);
    for (int32_t b = 0; b < kMultibandBandCount; ++b) {
        pad(c.bands.level[b]);
    }
    const auto padRows = [&c](float (*rows)[4]) {
        for (int32_t i = c.frames; i < Chunk::kFrames; ++i) {
            for (int32_t k = 0; k < 4; ++k) {
                rows[i][k] = 0.0f;
            }
        }
    };
    padRows(c.crossover);
    padRows(c.fastEnvelopes);
    padRows(c.slowEnvelopes);
    padRows(c.sonicPeaks);
    padRows(c.limiterPeaks);
}

// The serial chains of five chunks in one loop, so that the processor runs
// them side by side: `cutting` through the low cut; `splitting` through the
// crossover; the bands of `enveloping` through their detectors; the mix of
// `detecting` through the SonicFilter's detector; the shaped samples of
// `limiting` through the limiter's detector. Each a chunk behind the one
// before: within one chunk each would wait for the group of the one before.
template <class FlushCheck, int Width>
inline void runChains(const OutputSettings& o, ChainLanes<Width>& lanes, Chunk* cutting, Chunk* splitting,
                      Chunk* enveloping, Chunk* detecting, Chunk* limiting)
{
    const int32_t cut = cutting != nullptr && o.loCut ? cutting->frames : 0;
    const int32_t split = splitting != nullptr ? splitting->frames : 0;
    const int32_t envelope = enveloping != nullptr ? enveloping->frames : 0;
    const int32_t detect = detecting != nullptr ? detecting->frames : 0;
    const int32_t limit = limiting != nullptr && o.limiter ? limiting->frames : 0;
    int32_t frames = 0;
    for (const int32_t n : {cut, split, envelope, detect, limit}) {
        frames = n > frames ? n : frames;
    }
    for (int32_t g = 0; g < frames; g += kGroupFrames) {
        if (g < cut) {
            cutGroup(lanes, *cutting, g);
        }
        if (g < split) {
            splitGroup<FlushCheck>(lanes, *splitting, g);
        }
        if (g < envelope) {
            detectGroup(lanes, *enveloping, g);
        }
        if (g < detect) {
            lanes.character.run(&detecting->bands.mix[g], &detecting->sonicPeaks[g], groupFrames(detect, g));
        }
        if (g < limit) {
            lanes.limiter.run(&limiting->s[g], &limiting->limiterPeaks[g], groupFrames(limit, g));
        }
    }
}

// The limiter gains, the outputs and the meters of a chunk whose limiter
// levels are known.
template <int Width, bool Accumulate, class Publish>
inline void finishChunk(const MultibandCharacterBlockSettings& s, const OutputSettings& o,
                        MultibandCharacterState& state, Publish& publish, float* output, Chunk& c)
{
    const int32_t n = c.frames;
    if (o.limiter) {
        OutputStageVectors<Width>::limit(o.ceiling, c.limiterPeaks, c.s, c.limit, c.out, n);
    } else {
        for (int32_t i = 0; i < n; ++i) {
            c.limit[i] = 1.0f;
            c.out[i] = c.s[i];
        }
    }
    float* out = output + c.start;
    for (int32_t i = 0; i < n; ++i) {
        out[i] = Accumulate ? out[i] + c.out[i] : c.out[i];
    }
    const float* const quantities[MultibandCharacterMeters::kCount] = {
        c.bands.gain[0],  c.bands.gain[1],  c.bands.gain[2], c.bands.share[0],
        c.bands.share[1], c.bands.share[2], c.out,           c.limit};
    static_assert(Chunk::kFrames == 32, "a chunk's frames are the bits of a word");
    const auto fold = [](MeterKind kind, const float* row, int32_t first, int32_t count) {
        const uint32_t run = count == 32 ? ~0u : ((1u << count) - 1u) << first;
        return MeterFoldVectors<Width>::fold(kind, row, run);
    };
    state.meters.gatherRun(quantities, n, s.meterInterval, publish, fold);
}

// Chunks the gate lets through whole pass five serial stages, each a
// chunk behind the one before: the low cut, the crossover, the band
// detectors, the SonicFilter's detector, the limiter's detector. Between them the band
// gains and the mix, the SonicFilter's gain and the output level, the
// limiter's gains and the outputs run a vector's width of frames at a time.
template <int Width, bool Accumulate, class FlushCheck, class Publish>
class ChunkPipeline {
public:
    ChunkPipeline(const MultibandCharacterBlockSettings& s, MultibandCharacterState& chain, Publish& meterPublish,
                  float* host)
        : settings(s), o(outputSettings(chain)), state(chain), publish(meterPublish), output(host), lanes(s, chain)
    {
    }

    // A free chunk for the frames from start on: not one still in the pipeline.
    Chunk& chunkFor(int32_t start, int32_t frames)
    {
        Chunk& c = slots[next];
        next = next == kSlots - 1 ? 0 : next + 1;
        c.start = start;
        c.frames = frames;
        return c;
    }

    // Takes in a chunk that guardAndGate filled, and moves every chunk on by a stage.
    void push(Chunk& c)
    {
        if (c.frames < Chunk::kFrames) {
            padChunk(c);
        }
        if (!o.loCut) {
            lanes.loCut.bypass();
        }
        advance(&c);
    }

    // Runs the chunks in the pipeline to their outputs.
    void drain()
    {
        while (splitting != nullptr || enveloping != nullptr || detecting != nullptr || limiting != nullptr) {
            advance(nullptr);
        }
    }

    // The frames from start on of a chunk the gate mutes in part, through
    // the reference loop on the state, after the chunks before it.
    void runReference(const float* input, int32_t start, int32_t frames)
    {
        drain();
        lanes.keepIn(state);
        runScalarMultibandCharacterFrames<Accumulate>(settings, state, publish, input + start, output + start,
                                                      frames);
        lanes = ChainLanes<Width>(settings, state);
    }

    // The frames from start on of a chunk the idle gate bypasses whole,
    // after the chunks before it: every history stays where it was; only
    // the meters count on.
    void passSilence(int32_t start, int32_t frames)
    {
        drain();
        float* const outputs[1] = {output};
        SilenceGate::silenceOutputs<Accumulate>(outputs, 1, start, frames);
        state.silenceCount = SilenceGate::countAfterIdle(state.silenceCount, frames);
        state.meters.skipRun(frames, settings.meterInterval, publish);
    }

    void finish()
    {
        drain();
        lanes.keepIn(state);
    }

private:
    static constexpr int32_t kSlots = 5;

    void advance(Chunk* fresh)
    {
        runChains<FlushCheck>(o, lanes, fresh, splitting, enveloping, detecting, limiting);
        if (splitting != nullptr) {
            splitBands<Width>(*splitting);
        }
        if (enveloping != nullptr) {
            if constexpr (Width == 16) {
                float* const levels[kMultibandBandCount] = {enveloping->bands.level[0], enveloping->bands.level[1],
                                                            enveloping->bands.level[2]};
                lanes.envelopes.levelsInto(enveloping->fastEnvelopes, enveloping->slowEnvelopes, levels,
                                           enveloping->frames);
            }
            mixBands<Width>(settings, enveloping->bands, enveloping->frames);
        }
        if (detecting != nullptr) {
            OutputStageVectors<Width>::shape(*o.curve, o.outputGain, detecting->bands.mix, detecting->sonicPeaks,
                                             detecting->s, detecting->frames);
        }
        if (limiting != nullptr) {
            finishChunk<Width, Accumulate>(settings, o, state, publish, output, *limiting);
        }
        limiting = detecting;
        detecting = enveloping;
        enveloping = splitting;
        splitting = fresh;
    }

    const MultibandCharacterBlockSettings& settings;
    const OutputSettings o;
    MultibandCharacterState& state;
    Publish& publish;
    float* output;
    ChainLanes<Width> lanes;
    Chunk slots[kSlots];
    int32_t next = 0;
    Chunk* splitting = nullptr;   // cut
    Chunk* enveloping = nullptr;  // split
    Chunk* detecting = nullptr;   // detected and mixed
    Chunk* limiting = nullptr;   // shaped
};

// Whether the gate is idle and every one of the frames near-silent, so that
// it bypasses them all.
inline bool idleSilence(const float* input, int32_t frames, const MultibandCharacterState& state)
{
    if (state.processingActive != 0) {
        return false;
    }
    return SilenceGate::allNearSilent(&input, 1, frames);
}

// A chunk the idle gate bypasses whole only counts the meters on; one the
// gate mutes in part goes through the reference loop, after the chunks
// before it are finished. A frame's input is read before any output
// at or after it is written, so input and output may share their buffer.
template <int Width, bool Accumulate, class FlushCheck, class Publish>
inline void processFrames(const MultibandCharacterBlockSettings& s, MultibandCharacterState& state, Publish& publish,
                          const float* input, float* output, int32_t frames)
{
    if (frames <= 0) {
        return;
    }
    ChunkPipeline<Width, Accumulate, FlushCheck, Publish> pipeline(s, state, publish, output);
    for (int32_t start = 0; start < frames; start += Chunk::kFrames) {
        const int32_t n = frames - start < Chunk::kFrames ? frames - start : Chunk::kFrames;
        if (idleSilence(input + start, n, state)) {
            pipeline.passSilence(start, n);
            continue;
        }
        Chunk& c = pipeline.chunkFor(start, n);
        if (guardAndGate<Width>(input + start, n, state, c)) {
            pipeline.push(c);
        } else {
            pipeline.runReference(input, start, n);
        }
    }
    pipeline.finish();
}

}  // namespace multiband_character_vector

// flatten puts every helper inline, so that the AVX-512 loop is compiled
// for AVX-512 throughout.
template <bool Accumulate, class Publish>
__attribute__((flatten)) void runSse2MultibandCharacterFrames(const MultibandCharacterBlockSettings& s,
                                                              MultibandCharacterState& state, Publish& publish,
                                                              const float* input, float* output, int32_t frames)
{
    multiband_character_vector::processFrames<4, Accumulate, BitwiseFlushCheck>(s, state, publish, input, output,
                                                                                 frames);
}

template <bool Accumulate, class Publish>
__attribute__((target("avx512f,avx512vl"), flatten)) void runAvx512MultibandCharacterFrames(
    const MultibandCharacterBlockSettings& s, MultibandCharacterState& state, Publish& publish, const float* input,
    float* output, int32_t frames)
{
    multiband_character_vector::processFrames<16, Accumulate, RotatedFlushCheck>(s, state, publish, input, output,
                                                                                  frames);
}

}  // namespace fendwick
