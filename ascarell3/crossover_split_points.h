// The two normalized split points of the crossover and how moving one
// pushes the other, so that Lo-Mid never lies above Mid-Hi.
#pragma once

namespace fendwick {

struct CrossoverSplitPoints {
    float loMid = 0.0f;
    float midHi = 0.0f;
};

// Lo-Mid moved to x; Mid-Hi follows it up when x passes it.
inline CrossoverSplitPoints withLoMid(CrossoverSplitPoints points, float x)
{
    points.loMid = x;
    points.midHi = x > points.midHi ? x : points.midHi;
    return points;
}

// Mid-Hi moved to x; Lo-Mid follows it down when x passes it.
inline CrossoverSplitPoints withMidHi(CrossoverSplitPoints points, float x)
{
    points.midHi = x;
    points.loMid = x < points.loMid ? x : points.loMid;
    return points;
}

}  // namespace fendwick
