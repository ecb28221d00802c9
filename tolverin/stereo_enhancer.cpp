// The stereo enhancer's coefficients from its amount.
#include "stereo_enhancer.h"

namespace fendwick {

void StereoEnhancer::setAmount(float amount)
{
    if (amount < 0.5f) {
        crossfeed = 0.0f;
        direct = 0.75f * (amount + 1.0f);
    } else {
        crossfeed = (amount - 0.5f) * 0.5f;
        direct = 0.5f * (amount + 1.0f) * (1.5f + crossfeed);
    }
    blend = 0.5f * (1.0f - amount);
    gain = (1.0f - 0.2f * amount) * 0.8f;
}

}  // namespace fendwick
