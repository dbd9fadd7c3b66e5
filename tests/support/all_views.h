#pragma once
// Every view of the cube: each face in front, turned each of four ways.
#include <vector>

#include "cube/view.h"

namespace vx::test {

inline std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

}  // namespace vx::test
