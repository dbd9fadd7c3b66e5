#pragma once
#include <cstdint>
#include <vector>

#include "render/geometry.h"
#include "render/surface.h"

namespace vx {

// A box of the surface's pixels as they were before something was drawn over
// them; empty when nothing was kept.
struct SavedPixels {
    int x1 = 0, y1 = 0, x2 = -1, y2 = -1;
    std::vector<std::uint8_t> pixels;
    bool empty() const { return x2 < x1 || y2 < y1; }
};

// Rings a front square of the cube (row and column from 1, counted from the
// top left) with a white ring two pixels wide inside its grid lines and a
// black one inside that, so that it shows on a square of any colour. Returns the pixels it
// drew over; restoring them gives back the picture as it was.
SavedPixels outlineSquare(Surface& surface, const Geometry& g, int row, int col);

// Puts back pixels kept by outlineSquare (where they still lie on the surface).
void restorePixels(Surface& surface, const SavedPixels& saved);

}  // namespace vx
