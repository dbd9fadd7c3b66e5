#pragma once
#include "cube/cube.h"
#include "cube/view.h"
#include "render/geometry.h"
#include "render/surface.h"

namespace vx {

// A box of pixels, both corners included; empty when x2 < x1 or y2 < y1.
struct PaintedArea {
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    bool empty() const { return x2 < x1 || y2 < y1; }
    friend bool operator==(const PaintedArea&, const PaintedArea&) = default;
};

// The smallest box holding every pixel that painting a cube with this
// geometry draws (the front face's left and bottom edges, the back edge of the
// top face, the far edge of the right face).
PaintedArea pictureArea(const Geometry& g);

// Repaints the whole cube, seen in `view`, from scratch: clears the cube's
// part of the window, fills the front squares, draws a light-grey grid as the
// border for flood-filling the top and right squares, then draws the grid
// again in black. `last` is the area of the previous picture of the cube,
// which is cleared as well so that no part of an earlier, larger or
// differently placed cube survives; it then becomes the area of this one.
void paintCube(Surface& surface, const Geometry& g, const Cube& cube, View view, int n, PaintedArea& last);

}  // namespace vx
