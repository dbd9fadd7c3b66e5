#pragma once
// Every view of the cube (each face in front, turned each of four ways), and
// every click that turns a layer.
#include <vector>

#include "cube/layer_turn.h"
#include "cube/view.h"

namespace vx::test {

inline std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

// Columns from rows 1 and n, rows from columns n and 1.
inline std::vector<ScreenMove> edgeMoves(int n) {
    std::vector<ScreenMove> moves;
    for (int k = 1; k <= n; ++k)
        for (const ScreenMove m : {ScreenMove{1, k, 1}, {1, k, n}, {2, 1, k}, {2, n, k}}) moves.push_back(m);
    return moves;
}

}  // namespace vx::test
