// Coefficients and history transfer of the crossover lanes.
#include "vector_paths.h"

#if FENDWICK_X86_VECTOR_PATHS

#include "crossover_lanes.h"

namespace fendwick {

namespace {

// The lanes {low left, low right, high left, high right} of one field.
template <class Field>
__m128 lanesOf(ThreeBandCrossover& crossover, Field field)
{
    const bool stereo = crossover.channelCount() == 2;
    const auto at = [&](CrossoverLowpass& section, bool used) { return used ? field(section) : 0.0f; };
    return _mm_setr_ps(at(crossover.lowSection(0), true), at(crossover.lowSection(1), stereo),
                       at(crossover.highSection(0), true), at(crossover.highSection(1), stereo));
}

}  // namespace

CrossoverLanes::CrossoverLanes(ThreeBandCrossover& crossover)
{
    b0 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.coefficients().b0; });
    b1 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.coefficients().b1; });
    a1 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.coefficients().a1; });
    a2 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.coefficients().a2; });
    history.x1 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.state().x1; });
    history.x2 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.state().x2; });
    history.y1 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.state().y1; });
    history.y2 = lanesOf(crossover, [](CrossoverLowpass& s) { return s.state().y2; });
}

void CrossoverLanes::store(ThreeBandCrossover& crossover) const
{
    alignas(16) float x1[4];
    alignas(16) float x2[4];
    alignas(16) float y1[4];
    alignas(16) float y2[4];
    _mm_store_ps(x1, history.x1);
    _mm_store_ps(x2, history.x2);
    _mm_store_ps(y1, history.y1);
    _mm_store_ps(y2, history.y2);
    for (int c = 0; c < crossover.channelCount(); ++c) {
        crossover.lowSection(c).setState({x1[c], x2[c], y1[c], y2[c]});
        crossover.highSection(c).setState({x1[2 + c], x2[2 + c], y1[2 + c], y2[2 + c]});
    }
}

}  // namespace fendwick

#endif
