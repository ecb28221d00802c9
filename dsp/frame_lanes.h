// The kinds of vector lanes a frame loop runs on, and which of them this
// build and processor offer.
#pragma once

namespace fendwick {

// One frame at a time in standard C++ on every compiler and processor; SSE2
// vectors where the build targets x86; or AVX-512VL where, in addition, the
// processor has it. Every loop gives the same bits on each.
enum class FrameLanes { scalar, sse2, avx512 };

// Whether this build and processor run the lanes; the processor is asked
// once, when the library loads.
bool canRunFrameLanes(FrameLanes lanes);

// The fastest lanes this build and processor run.
FrameLanes fastestFrameLanes();

}  // namespace fendwick
