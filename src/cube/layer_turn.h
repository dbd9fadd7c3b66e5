#pragma once
#include <optional>

#include "cube/cube.h"
#include "cube/view.h"

namespace vx {

// A move as the player makes it on the front face: `turnkind` 1 pushes the
// column `clickcol` over the top edge (from row 1) or the bottom edge (from
// row n); `turnkind` 2 pushes the row `clickrow` over the right edge (from
// column n) or the left edge (from column 1).
struct ScreenMove {
    int turnkind = 0;
    int clickcol = 0;
    int clickrow = 0;
    friend bool operator==(const ScreenMove&, const ScreenMove&) = default;
};

// `turndir`: 1 for a column pushed up or a row pushed right, 2 for a column
// pushed down or a row pushed left, 0 when the move starts from no edge.
int turnDirection(const ScreenMove& m, int n);

// The physical quarter turn a screen move makes in a view; nothing when the
// move is not a turn (wrong kind, a square off the edge the kind needs, or a
// square outside the face).
std::optional<PhysicalMove> physicalMove(View view, const ScreenMove& m, int n);

// The screen move that makes the physical turn `t` in `view` (the inverse of
// physicalMove: a column from row 1 or n, a row from column n or 1); nothing
// when the turn's layers lie parallel to the screen, or `t` is no turn of a
// layer of an n-cube.
std::optional<ScreenMove> screenMove(View view, const PhysicalMove& t, int n);

// The turn stage: carries out the screen move on the cube and returns
// `turndir` (0 when nothing was turned).
int layerTurn(Cube& cube, View view, const ScreenMove& m, int n);

}  // namespace vx
