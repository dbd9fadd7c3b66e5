#pragma once

namespace vx {

struct GameState;

enum class Hit { None, Rejected, Move };

// Hit-tests the pending click against the front face's squares, filling in
// the screen move (`turnkind` from the button, `clickcol`, `clickrow`).
// A click exactly on a grid line hits nothing. Outside draw-mode a column
// turns only from the top or bottom row and a row only from the left or
// right column; other squares are rejected.
Hit hitTest(GameState& s);

}  // namespace vx
