// The layer turns seen from the reference view, square by square, against the
// table of assignments that defines them.
#include <gtest/gtest.h>

#include "support/labelled_cube.h"

namespace vx {
namespace {

using test::LabelledCube;
using test::Origin;

enum class Kind { ColumnUp, ColumnDown, RowRight, RowLeft };

// The square each square (a, b, f) takes its colour from after the move
// `kind` on line `k` seen in view (1, 1).
Origin expectedSource(Kind kind, int k, int n, int a, int b, int f) {
    const int m = n + 1;
    switch (kind) {
    case Kind::ColumnUp:
        if (a == k && f >= 1 && f <= 4) return {a, b, f == 1 ? 4 : f - 1};
        if (k == 1 && f == 5) return {m - b, a, 5};
        if (k == n && f == 6) return {b, m - a, 6};
        break;
    case Kind::ColumnDown:
        if (a == k && f >= 1 && f <= 4) return {a, b, f == 4 ? 1 : f + 1};
        if (k == 1 && f == 5) return {b, m - a, 5};
        if (k == n && f == 6) return {m - b, a, 6};
        break;
    case Kind::RowRight:
        if (f == 6 && b == k) return {a, b, 1};
        if (f == 3 && b == m - k) return {m - a, m - b, 6};
        if (f == 5 && b == k) return {m - a, m - b, 3};
        if (f == 1 && b == k) return {a, b, 5};
        if (k == 1 && f == 2) return {m - b, a, 2};
        if (k == n && f == 4) return {b, m - a, 4};
        break;
    case Kind::RowLeft:
        if (f == 5 && b == k) return {a, b, 1};
        if (f == 3 && b == m - k) return {m - a, m - b, 5};
        if (f == 6 && b == k) return {m - a, m - b, 3};
        if (f == 1 && b == k) return {a, b, 6};
        if (k == 1 && f == 2) return {b, m - a, 2};
        if (k == n && f == 4) return {m - b, a, 4};
        break;
    }
    return {a, b, f};
}

ScreenMove screenMove(Kind kind, int k, int n) {
    switch (kind) {
    case Kind::ColumnUp: return {1, k, 1};
    case Kind::ColumnDown: return {1, k, n};
    case Kind::RowRight: return {2, n, k};
    case Kind::RowLeft: return {2, 1, k};
    }
    return {};
}

class ReferenceTurns : public ::testing::TestWithParam<int> {};

TEST_P(ReferenceTurns, EveryKindEdgeAndLayerMatchesTheAssignmentTable) {
    const int n = GetParam();
    for (Kind kind : {Kind::ColumnUp, Kind::ColumnDown, Kind::RowRight, Kind::RowLeft}) {
        for (int k = 1; k <= n; ++k) {
            LabelledCube cube(n);
            cube.layerTurn({1, 1}, screenMove(kind, k, n));
            for (int f = 1; f <= 6; ++f)
                for (int b = 1; b <= n; ++b)
                    for (int a = 1; a <= n; ++a)
                        ASSERT_EQ(cube.origin(a, b, f), expectedSource(kind, k, n, a, b, f))
                            << "kind " << static_cast<int>(kind) << " line " << k << " square (" << a
                            << ", " << b << ") of face " << f << " n " << n;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ReferenceTurns, ::testing::Values(2, 3, 4, 5, 20));

}  // namespace
}  // namespace vx
