// The compressors' threshold in linear amplitude from its setting.
#pragma once

namespace fendwick {

// 0.999 x, held at its floor from about -50 dB (x = 0.003162277) down;
// every constant in single precision, the floor being that x times 0.999.
inline float thresholdAmplitude(float x)
{
    constexpr float kFloorSetting = 0.0031622769f;
    constexpr float kFloor = 0.0031591146f;
    constexpr float kScale = 0.999f;
    return x > kFloorSetting ? x * kScale : kFloor;
}

}  // namespace fendwick
