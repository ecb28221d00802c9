// Editor open (first and later), a knob redraw, an idle with nothing to do,
// and the heap an open editor holds, for the single-band, three-band and
// character editors; and the character editor's meter redraws.
#include "ascarell3_parameters.h"
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "character_effect.h"
#include "editor_base.h"
#include "frame.h"
#include "multiband_effect.h"
#include "tolverin_parameters.h"

#include <benchmark/benchmark.h>

#include <malloc.h>

#include <memory>

namespace fendwick {
namespace {

void* const kParentWindow = reinterpret_cast<void*>(0x2a);

intptr_t quietHost(EffectRecord*, int32_t opcode, int32_t, intptr_t, void*, float)
{
    return opcode == HostOpcode::version ? kInterfaceVersion : 0;
}

// Small blocks plus the large ones malloc maps on their own.
size_t heapInUse()
{
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

// The stereo build of each editor's plug-in, and the knob that automation turns.
struct Ascarell {
    static std::unique_ptr<EffectBase> make()
    {
        return std::make_unique<AscarellEffect>(quietHost, AscarellChannels::stereo);
    }
    static constexpr int32_t knob = AscarellParam::thresh;
};

struct Ascarell3 {
    static std::unique_ptr<EffectBase> make()
    {
        return std::make_unique<MultibandEffect>(quietHost, MultibandChannels::stereo);
    }
    static constexpr int32_t knob = Ascarell3Param::midThresh;
};

struct Tolverin {
    static std::unique_ptr<EffectBase> make()
    {
        return std::make_unique<CharacterEffect>(quietHost, CharacterChannels::stereo);
    }
    static constexpr int32_t knob = TolverinParam::thresh;
};

void openEditor(EffectBase& effect)
{
    effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f);
    effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);  // the first paint
}

// Runs once per editor, first in the program: the open that decodes the
// editor's artwork (each line's pictures are decoded on their own).
template <class Plugin>
void firstOpen(benchmark::State& state)
{
    const size_t before = heapInUse();
    size_t held = 0;
    for (auto _ : state) {
        auto effect = Plugin::make();
        openEditor(*effect);
        state.PauseTiming();
        held = heapInUse() - before;
        effect.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MiB_while_open"] = static_cast<double>(held) / (1024.0 * 1024.0);
}
BENCHMARK_TEMPLATE(firstOpen, Ascarell)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(firstOpen, Ascarell3)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(firstOpen, Tolverin)->Iterations(1)->Unit(benchmark::kMillisecond);

template <class Plugin>
void laterOpen(benchmark::State& state)
{
    const auto effect = Plugin::make();
    for (auto _ : state) {
        openEditor(*effect);
        state.PauseTiming();
        effect->dispatch(EffectOpcode::editorClose, 0, 0, nullptr, 0.0f);
        state.ResumeTiming();
    }
}
BENCHMARK_TEMPLATE(laterOpen, Ascarell)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(laterOpen, Ascarell3)->Unit(benchmark::kMillisecond);
BENCHMARK_TEMPLATE(laterOpen, Tolverin)->Unit(benchmark::kMillisecond);

// Host automation of a threshold knob: the knob and its text drawn and
// presented at once.
template <class Plugin>
void knobRedraw(benchmark::State& state)
{
    const auto effect = Plugin::make();
    openEditor(*effect);
    float value = 0.0f;
    for (auto _ : state) {
        value = value > 0.99f ? 0.0f : value + 0.0125f;
        effect->setParameter(Plugin::knob, value);
    }
}
BENCHMARK_TEMPLATE(knobRedraw, Ascarell)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(knobRedraw, Ascarell3)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(knobRedraw, Tolverin)->Unit(benchmark::kMicrosecond);

template <class Plugin>
void idleWithNothingDirty(benchmark::State& state)
{
    const auto effect = Plugin::make();
    openEditor(*effect);
    for (auto _ : state) {
        effect->dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    }
}
BENCHMARK_TEMPLATE(idleWithNothingDirty, Ascarell)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(idleWithNothingDirty, Ascarell3)->Unit(benchmark::kMicrosecond);
BENCHMARK_TEMPLATE(idleWithNothingDirty, Tolverin)->Unit(benchmark::kMicrosecond);

// Publishes a new reading on `meters` meters from the first, as the
// processing does once per meter interval, then idles once to draw them;
// the readings alternate so that every bar moves.
void publishAndIdle(benchmark::State& state, int32_t meters)
{
    const auto effect = Tolverin::make();
    openEditor(*effect);
    float reading = 0.5f;
    for (auto _ : state) {
        reading = reading == 0.5f ? 0.1f : 0.5f;
        for (int32_t m = 0; m < meters; ++m) {
            effect->setDisplayValue(TolverinMeter::compressorGain + m, reading);
        }
        effect->dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    }
}

void meterRedraw(benchmark::State& state) { publishAndIdle(state, 1); }
BENCHMARK(meterRedraw)->Unit(benchmark::kMicrosecond);

void idleWithSixMetersPending(benchmark::State& state)
{
    publishAndIdle(state, TolverinMeter::end - TolverinMeter::compressorGain);
}
BENCHMARK(idleWithSixMetersPending)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();
