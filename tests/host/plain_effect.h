// An effect that overrides nothing it need not, so that the base's own
// answers reach the host unchanged.
#pragma once

#include "effect_base.h"
#include "plugin_entry.h"

namespace fendwick {

// Four programs and three parameters: counts no real plug-in has, so that
// an answer taken from elsewhere shows.
class PlainEffect : public EffectBase {
public:
    static constexpr int32_t kPrograms = 4;
    static constexpr int32_t kParameters = 3;

    explicit PlainEffect(HostCallback callback) : EffectBase(callback, kPrograms, kParameters) {}

    // Silence: the base has no processing of its own to offer.
    void processAccumulate(float**, float**, int32_t) override {}

    static PlainEffect& of(EffectRecord& record) { return static_cast<PlainEffect&>(*fromRecord(&record)); }
};

// The library entry a plug-in made of the plain effect would export.
inline EffectRecord* plainEffectEntry(HostCallback callback) { return createEffect<PlainEffect>(callback); }

}  // namespace fendwick
