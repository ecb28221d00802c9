// Parameter indexes of the single-band plug-ins, shared by the processing,
// the texts, the editor and the tests.
#pragma once

#include <cstdint>

namespace fendwick {

namespace AscarellParam {
enum Index : int32_t {
    input,
    ratio,
    knee,
    attack,
    release,
    arc,
    thresh,
    outLevel,
    count
};
}  // namespace AscarellParam

constexpr int32_t kAscarellProgramCount = 23;

}  // namespace fendwick
