// The choice of lanes from the build's target and the processor's features.
#include "frame_lanes.h"

#include "processor_features.h"
#include "vector_paths.h"

#include <initializer_list>

namespace fendwick {

bool canRunFrameLanes(FrameLanes lanes)
{
    switch (lanes) {
    case FrameLanes::scalar: return true;
    case FrameLanes::sse2: return FENDWICK_X86_VECTOR_PATHS != 0;
    case FrameLanes::avx512: return FENDWICK_X86_VECTOR_PATHS != 0 && processorHasAvx512vl();
    }
    return false;
}

FrameLanes fastestFrameLanes()
{
    for (FrameLanes lanes : {FrameLanes::avx512, FrameLanes::sse2}) {
        if (canRunFrameLanes(lanes)) {
            return lanes;
        }
    }
    return FrameLanes::scalar;
}

}  // namespace fendwick
