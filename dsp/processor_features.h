// What the processor offers beyond the build's baseline, for the loops that
// choose their vector path at run time.
#pragma once

namespace fendwick {

// Whether this processor runs AVX-512F with AVX-512VL; asked once, when the
// library loads. Always false where no x86 vector path is built.
bool processorHasAvx512vl();

}  // namespace fendwick
