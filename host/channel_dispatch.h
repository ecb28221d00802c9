// The step from the host's processing call to a frame loop compiled for the
// build's channel count.
#pragma once

#include <type_traits>

namespace fendwick {

// Calls run(std::integral_constant<int, 2>{}) for a stereo build and
// run(std::integral_constant<int, 1>{}) for a mono one; nothing when the host
// passes no buffers.
template <class Run>
void withChannelCount(bool stereo, float** inputs, float** outputs, Run run)
{
    if (inputs == nullptr || outputs == nullptr) {
        return;
    }
    if (stereo) {
        run(std::integral_constant<int, 2>{});
    } else {
        run(std::integral_constant<int, 1>{});
    }
}

}  // namespace fendwick
