// Rows of four floats per frame turned into four columns of frames, for the
// vector stages that take what a frame loop stored a row at a time, and
// back, for a frame loop that takes a row at a time what they worked out.
// Built only where the x86 vector paths are.
#pragma once

#include "lane_types.h"

#include <cstdint>
#include <cstring>

namespace fendwick {

// The rows of the frames i to i + Width - 1 as columns: columns[k] holds
// element k of each row, frame by frame, for vectors of 4 or 16 floats. In
// place, as a 64-byte vector returned by value would change the calling
// convention between code built with and without AVX-512.
template <class Floats>
inline void columnsOf(const float (*rows)[4], int32_t i, Floats (&columns)[4])
{
    constexpr auto kWidth = static_cast<int32_t>(sizeof(Floats) / sizeof(float));
    static_assert(kWidth == 4 || kWidth == 16, "vectors of four or sixteen floats");
    Floats a;
    Floats b;
    Floats c;
    Floats d;
    // Width rows of four floats are four vectors of Width floats.
    constexpr int32_t kRowsPerVector = kWidth / 4;
    std::memcpy(&a, rows[i], sizeof a);
    std::memcpy(&b, rows[i + kRowsPerVector], sizeof b);
    std::memcpy(&c, rows[i + 2 * kRowsPerVector], sizeof c);
    std::memcpy(&d, rows[i + 3 * kRowsPerVector], sizeof d);
    if constexpr (kWidth == 4) {
        const Floats ab01 = __builtin_shufflevector(a, b, 0, 4, 1, 5);
        const Floats ab23 = __builtin_shufflevector(a, b, 2, 6, 3, 7);
        const Floats cd01 = __builtin_shufflevector(c, d, 0, 4, 1, 5);
        const Floats cd23 = __builtin_shufflevector(c, d, 2, 6, 3, 7);
        columns[0] = __builtin_shufflevector(ab01, cd01, 0, 1, 4, 5);
        columns[1] = __builtin_shufflevector(ab01, cd01, 2, 3, 6, 7);
        columns[2] = __builtin_shufflevector(ab23, cd23, 0, 1, 4, 5);
        columns[3] = __builtin_shufflevector(ab23, cd23, 2, 3, 6, 7);
    } else {
        // Columns 0 and 1 (then 2 and 3) of eight frames from a and b, and of the next eight from c and d.
        const Floats ab01 = __builtin_shufflevector(a, b, 0, 4, 8, 12, 16, 20, 24, 28, 1, 5, 9, 13, 17, 21, 25, 29);
        const Floats ab23 = __builtin_shufflevector(a, b, 2, 6, 10, 14, 18, 22, 26, 30, 3, 7, 11, 15, 19, 23, 27, 31);
        const Floats cd01 = __builtin_shufflevector(c, d, 0, 4, 8, 12, 16, 20, 24, 28, 1, 5, 9, 13, 17, 21, 25, 29);
        const Floats cd23 = __builtin_shufflevector(c, d, 2, 6, 10, 14, 18, 22, 26, 30, 3, 7, 11, 15, 19, 23, 27, 31);
        columns[0] = __builtin_shufflevector(ab01, cd01, 0, 1, 2, 3, 4, 5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23);
        columns[1] = __builtin_shufflevector(ab01, cd01, 8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31);
        columns[2] = __builtin_shufflevector(ab23, cd23, 0, 1, 2, 3, 4, 5, 6, 7, 16, 17, 18, 19, 20, 21, 22, 23);
        columns[3] = __builtin_shufflevector(ab23, cd23, 8, 9, 10, 11, 12, 13, 14, 15, 24, 25, 26, 27, 28, 29, 30, 31);
    }
}

// The columns of the frames i to i + Width - 1 as their rows, the inverse
// of columnsOf.
template <class Floats>
inline void rowsOf(const Floats (&columns)[4], float (*rows)[4], int32_t i)
{
    constexpr auto kWidth = static_cast<int32_t>(sizeof(Floats) / sizeof(float));
    static_assert(kWidth == 4 || kWidth == 16, "vectors of four or sixteen floats");
    const Floats& a = columns[0];
    const Floats& b = columns[1];
    const Floats& c = columns[2];
    const Floats& d = columns[3];
    Floats first;
    Floats second;
    Floats third;
    Floats fourth;
    if constexpr (kWidth == 4) {
        const Floats ab01 = __builtin_shufflevector(a, b, 0, 4, 1, 5);
        const Floats ab23 = __builtin_shufflevector(a, b, 2, 6, 3, 7);
        const Floats cd01 = __builtin_shufflevector(c, d, 0, 4, 1, 5);
        const Floats cd23 = __builtin_shufflevector(c, d, 2, 6, 3, 7);
        first = __builtin_shufflevector(ab01, cd01, 0, 1, 4, 5);
        second = __builtin_shufflevector(ab01, cd01, 2, 3, 6, 7);
        third = __builtin_shufflevector(ab23, cd23, 0, 1, 4, 5);
        fourth = __builtin_shufflevector(ab23, cd23, 2, 3, 6, 7);
    } else {
        // Columns a and b (then c and d) interleaved: frames 0 to 7, then 8 to 15.
        const Floats abEarly = __builtin_shufflevector(a, b, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const Floats abLate =
            __builtin_shufflevector(a, b, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        const Floats cdEarly = __builtin_shufflevector(c, d, 0, 16, 1, 17, 2, 18, 3, 19, 4, 20, 5, 21, 6, 22, 7, 23);
        const Floats cdLate =
            __builtin_shufflevector(c, d, 8, 24, 9, 25, 10, 26, 11, 27, 12, 28, 13, 29, 14, 30, 15, 31);
        // Each pair of a frame's halves side by side, four frames to a vector.
        first = __builtin_shufflevector(abEarly, cdEarly, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
        second =
            __builtin_shufflevector(abEarly, cdEarly, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13, 28, 29, 14, 15, 30, 31);
        third = __builtin_shufflevector(abLate, cdLate, 0, 1, 16, 17, 2, 3, 18, 19, 4, 5, 20, 21, 6, 7, 22, 23);
        fourth = __builtin_shufflevector(abLate, cdLate, 8, 9, 24, 25, 10, 11, 26, 27, 12, 13, 28, 29, 14, 15, 30, 31);
    }
    constexpr int32_t kRowsPerVector = kWidth / 4;
    std::memcpy(rows[i], &first, sizeof first);
    std::memcpy(rows[i + kRowsPerVector], &second, sizeof second);
    std::memcpy(rows[i + 2 * kRowsPerVector], &third, sizeof third);
    std::memcpy(rows[i + 3 * kRowsPerVector], &fourth, sizeof fourth);
}

}  // namespace fendwick
