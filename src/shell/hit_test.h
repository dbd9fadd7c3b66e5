#pragma once
#include "cube/layer_turn.h"
#include "render/geometry.h"

namespace vx {

// A mouse button down on the drawing surface (1 left, 2 right).
struct Click {
    float x = 0, y = 0;
    int button = 0;
};

enum class Hit { None, Rejected, Move };

struct HitResult {
    Hit kind = Hit::None;
    ScreenMove move;  // with Hit::Move: `turnkind` from the button, `clickcol`, `clickrow`
};

// Hit-tests a click against the front face's squares of an n-cube. A click
// exactly on a grid line hits nothing. Outside draw-mode a column turns only
// from the top or bottom row and a row only from the left or right column;
// other squares are rejected.
HitResult hitTest(const Geometry& g, int n, Click click, bool drawmode);

}  // namespace vx
