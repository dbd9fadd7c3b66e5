#include "shell/turn_cursor.h"

#include "cube/layer_turn.h"
#include "shell/game.h"
#include "shell/hit_test.h"

namespace vx {

namespace {

enum class Way { None, First, Second };

// Which way a click of `button` at (x, y) turns its layer: First is up (a
// column) or left (a row).
Way wayOf(const Geometry& geometry, int n, float x, float y, int button, bool drawmode) {
    const HitResult hit = hitTest(geometry, n, {x, y, button}, drawmode);
    if (hit.kind != Hit::Move) return Way::None;
    // A draw-mode click starts with the column up or the row left.
    if (drawmode) return Way::First;
    const int dir = turnDirection(hit.move, n);
    // Direction 1 moves a column up and a row right.
    if (button == 1) return dir == 1 ? Way::First : Way::Second;
    return dir == 1 ? Way::Second : Way::First;
}

}  // namespace

TurnCursor turnCursor(const Geometry& geometry, int n, float x, float y, bool drawmode) {
    const Way column = wayOf(geometry, n, x, y, 1, drawmode);
    const Way row = wayOf(geometry, n, x, y, 2, drawmode);
    constexpr TurnCursor kTable[3][3] = {
        // row: none, left, right
        {TurnCursor::None, TurnCursor::Left, TurnCursor::Right},          // column: none
        {TurnCursor::Up, TurnCursor::UpLeft, TurnCursor::UpRight},        // column: up
        {TurnCursor::Down, TurnCursor::DownLeft, TurnCursor::DownRight},  // column: down
    };
    return kTable[static_cast<int>(column)][static_cast<int>(row)];
}

TurnCursor turnCursorAt(const Game& g, float x, float y) {
    const GameState& s = g.s;
    if (!cubeTakesClicks(g) || !s.loop.cubeready) return TurnCursor::None;
    return turnCursor(s.picture.geometry, s.play.cubesize, x, y, s.play.drawmode);
}

}  // namespace vx
