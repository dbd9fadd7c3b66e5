#pragma once
#include "render/geometry.h"

namespace vx {

struct Game;

// What the mouse cursor tells over the drawing surface: which way a click
// there would turn a layer. Up or Down: the left button turns the square's
// column that way; Left or Right: the right button turns its row that way;
// the corner squares answer both buttons, so their cursor shows both arrows.
// None: the ordinary cursor (no click there turns anything).
enum class TurnCursor { None, Up, Down, Left, Right, UpLeft, UpRight, DownLeft, DownRight };

// The cursor over (x, y) for an n-cube laid out by `geometry`, from the same
// hit test and turn direction a click goes through. In draw-mode every front
// square answers both buttons: the left one starts with its column up, the
// right one with its row left.
TurnCursor turnCursor(const Geometry& geometry, int n, float x, float y, bool drawmode);

// Whether a click on the cube would be taken now: no panel open, no game's
// buttons offered, the computer not solving (Form_MouseDown asks the same).
bool cubeTakesClicks(const Game& g);

// The same for the running game: None wherever a click would not reach the
// cube (an open panel, a game's buttons, the computer solving).
TurnCursor turnCursorAt(const Game& g, float x, float y);

}  // namespace vx
