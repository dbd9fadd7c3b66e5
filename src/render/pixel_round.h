#pragma once
#include <cmath>

namespace vx {

// The whole pixel nearest to v, halves going to the even neighbour: how every
// fractional drawing coordinate becomes a pixel. Far-off values are held to a
// range that whole-number arithmetic on them cannot overflow.
inline int nearestPixel(double v) {
    constexpr double kLimit = 1e9;
    if (!(v > -kLimit)) return static_cast<int>(-kLimit);  // also catches NaN
    if (v > kLimit) return static_cast<int>(kLimit);
    const double below = std::floor(v);
    const double frac = v - below;
    if (frac < 0.5) return static_cast<int>(below);
    if (frac > 0.5) return static_cast<int>(below) + 1;
    const int low = static_cast<int>(below);
    return low % 2 == 0 ? low : low + 1;
}

}  // namespace vx
