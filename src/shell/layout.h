#pragma once
#include "shell/platform.h"

namespace vx {

struct Game;
struct Geometry;

// The smallest client area the window allows: the side panel, every option
// panel and the whole cube of every size fit (at the least squares).
inline constexpr ClientSize kSmallestClient{660, 440};
// A client size as the window holds it: no side below the smallest.
ClientSize heldToSmallest(ClientSize size);

// The cube's place for a client area: at 800 x 560 and above the usual
// rule alone; in a smaller area the picture must lie in the free area right
// of the side panel, below the top edge, above the bottom edge and left of
// the right-hand text, and the usual picture is made smaller (and centred
// there) where it does not. Also ends the repaint's erase box before the
// right-hand text.
void fitToClient(Geometry& geometry, int n, int width, int height);

// A new cube laid out for the surface's size.
void layOutNewCube(Game& g);
// The cube laid out again for the surface's size by the rule it was laid
// out by (a loaded puzzle keeps the place its load gave it).
void layOutAgain(Game& g);

}  // namespace vx
