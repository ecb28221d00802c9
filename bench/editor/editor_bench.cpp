// Editor open (first and later), a knob redraw, an idle with nothing to do,
// and the heap an open editor holds, for the single-band editor.
#include "ascarell_effect.h"
#include "ascarell_parameters.h"
#include "editor_base.h"
#include "frame.h"

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

void openEditor(AscarellEffect& effect)
{
    effect.dispatch(EffectOpcode::editorOpen, 0, 0, kParentWindow, 0.0f);
    effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);  // the first paint
}

// Runs once, first in the program: the open that decodes the artwork.
void firstOpen(benchmark::State& state)
{
    const size_t before = heapInUse();
    size_t held = 0;
    for (auto _ : state) {
        auto effect = std::make_unique<AscarellEffect>(quietHost, AscarellChannels::stereo);
        openEditor(*effect);
        state.PauseTiming();
        held = heapInUse() - before;
        effect.reset();
        state.ResumeTiming();
    }
    state.counters["heap_MiB_while_open"] = static_cast<double>(held) / (1024.0 * 1024.0);
}
BENCHMARK(firstOpen)->Iterations(1)->Unit(benchmark::kMillisecond);

void laterOpen(benchmark::State& state)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    for (auto _ : state) {
        openEditor(effect);
        state.PauseTiming();
        effect.dispatch(EffectOpcode::editorClose, 0, 0, nullptr, 0.0f);
        state.ResumeTiming();
    }
}
BENCHMARK(laterOpen)->Unit(benchmark::kMillisecond);

// Host automation of the Thresh knob: the knob and the text display drawn
// and presented at once.
void knobRedraw(benchmark::State& state)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    openEditor(effect);
    float value = 0.0f;
    for (auto _ : state) {
        value = value > 0.99f ? 0.0f : value + 0.0125f;
        effect.setParameter(AscarellParam::thresh, value);
    }
}
BENCHMARK(knobRedraw)->Unit(benchmark::kMicrosecond);

void idleWithNothingDirty(benchmark::State& state)
{
    AscarellEffect effect(quietHost, AscarellChannels::stereo);
    openEditor(effect);
    for (auto _ : state) {
        effect.dispatch(EffectOpcode::editorIdle, 0, 0, nullptr, 0.0f);
    }
}
BENCHMARK(idleWithNothingDirty)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace fendwick

BENCHMARK_MAIN();
