#include "render/painter.h"

#include <array>

#include "render/palette.h"
#include "render/pixel_round.h"

namespace vx {
namespace {

// Cleared before every repaint whatever the geometry: at the usual window
// width it holds the whole cube. A narrow window ends it before the
// right-hand text (the geometry's `eraseright`).
PaintedArea eraseBox(const Geometry& g) { return {220, 0, g.eraseright, 1000}; }

// The colour of the square a face drawn with the given orientation shows in
// screen cell (c, r).
int cellColour(const Cube& cube, View face, int c, int r, int n) {
    if (!validView(face)) return kBlack;
    const Square square = cellToSquare(c, r, face.turn, n);
    return cube.squarecolor(square.a, square.b, face.face);
}

// A puzzle read from a file can put the grid's corners on half pixels. Each
// corner goes to its nearest pixel first and whole-pixel offsets (a line's
// extra end pixel, a seed's distance from its corner) are added afterwards:
// rounding the sum instead can lose the extra pixel where the right face's
// far edge meets its bottom edge, and the fill then runs out of the cube.
struct Pixel {
    int x, y;
};

Pixel nearest(double x, double y) { return {nearestPixel(x), nearestPixel(y)}; }

// The painting cursor: the top-left corner of the cell being painted.
struct Cursor {
    double x = 0, y = 0;
};

void fillFrom(Surface& surface, Cursor at, int colour) {
    const Pixel corner = nearest(at.x, at.y);
    surface.floodFill(corner.x + 3, corner.y + 3, colour, kLightGrey);
}

struct GridLine {
    Pixel from, to;
};

// Every grid line of the three faces: at most one back edge and six groups
// of n + 1 lines.
struct Grid {
    std::array<GridLine, 1 + 6 * (kMaxCubeSize + 1)> lines;
    std::size_t count = 0;
    void add(Pixel from, Pixel to) { lines[count++] = {from, to}; }
};

Grid gridLines(const Geometry& g, int n) {
    const double x0 = g.cubeleft, y0 = g.cubetop, x1 = g.cuberight, y1 = g.cubebottom;
    const double size = g.squarewidth, depth = g.depthsize, step = g.depthstep;
    Grid grid;
    // Back edge of the top face.
    grid.add(nearest(x0 + depth, y0 - depth), nearest(x1 + depth, y0 - depth));
    // Front face: verticals, then horizontals.
    for (int k = 0; k <= n; ++k) grid.add(nearest(x0 + k * size, y0), nearest(x0 + k * size, y0 + size * n));
    for (int k = 0; k <= n; ++k) grid.add(nearest(x0, y0 + k * size), nearest(x0 + size * n, y0 + k * size));
    // Top face: receding lines, then the lines across its depth.
    for (int k = 0; k <= n; ++k) grid.add(nearest(x0 + k * size, y0), nearest(x0 + k * size + depth, y0 - depth));
    for (int k = 1; k <= n; ++k) grid.add(nearest(x0 + k * step, y0 - k * step), nearest(x1 + k * step, y0 - k * step));
    // Right face: receding lines, then its verticals, one pixel longer so that
    // each reaches the bottom corner of its column.
    for (int k = 0; k <= n; ++k) grid.add(nearest(x1, y0 + k * size), nearest(x1 + depth, y0 + k * size - depth));
    for (int k = 0; k <= n; ++k) {
        const Pixel bottom = nearest(x1 + k * step, y1 - k * step);
        grid.add(nearest(x1 + k * step, y0 - k * step), {bottom.x, bottom.y + 1});
    }
    return grid;
}

// The grid in one colour. The grey pass closes each top and right square for
// its fill; the black pass is the outline the player sees.
void drawGrid(Surface& surface, const Grid& grid, int colour) {
    for (std::size_t i = 0; i < grid.count; ++i) {
        const GridLine& l = grid.lines[i];
        surface.line(l.from.x, l.from.y, l.to.x, l.to.y, colour);
    }
}

void paintFront(Surface& surface, const Geometry& g, const Cube& cube, View view, int n) {
    const int size = g.squarewidth;
    Cursor at{static_cast<double>(g.cubeleft), static_cast<double>(g.cubetop)};
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            // One pixel short of the cell on every side: the grid goes there.
            const Pixel corner = nearest(at.x, at.y);
            surface.box(corner.x + 1, corner.y + 1, corner.x + size - 1, corner.y + size - 1,
                        cellColour(cube, view, c, r, n));
            at.x += size;
        }
        at.x = g.cubeleft;
        at.y += size;
    }
}

// The top face's rows run from the back edge forwards, each one step further
// left and down than the one behind it.
void fillTop(Surface& surface, const Geometry& g, const Cube& cube, View top, int n) {
    Cursor at{g.cubeleft + g.depthsize, g.cubetop - g.depthsize};
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            fillFrom(surface, at, cellColour(cube, top, c, r, n));
            at.x += g.squarewidth;
        }
        at.x = at.x - g.squarewidth * n - g.depthstep;
        at.y += g.depthstep;
    }
}

// The right face's columns run from the front edge into the depth, each one
// step further right and up.
void fillRight(Surface& surface, const Geometry& g, const Cube& cube, View right, int n) {
    Cursor at{static_cast<double>(g.cuberight), static_cast<double>(g.cubetop)};
    for (int r = 1; r <= n; ++r) {
        for (int c = 1; c <= n; ++c) {
            fillFrom(surface, at, cellColour(cube, right, c, r, n));
            at.x += g.depthstep;
            at.y -= g.depthstep;
        }
        at.x = g.cuberight;
        at.y += g.squareheight + g.depthsize;
    }
}

void erase(Surface& surface, const PaintedArea& area) {
    if (!area.empty()) surface.box(area.x1, area.y1, area.x2, area.y2, kBlack);
}

bool inside(const PaintedArea& a, const PaintedArea& box) {
    return a.x1 >= box.x1 && a.x2 <= box.x2 && a.y1 >= box.y1 && a.y2 <= box.y2;
}

}  // namespace

PaintedArea pictureArea(const Geometry& g) {
    return {g.cubeleft, nearestPixel(g.cubetop - g.depthsize), nearestPixel(g.cuberight + g.depthsize), g.cubebottom};
}

void paintCube(Surface& surface, const Geometry& g, const Cube& cube, View view, int n, PaintedArea& last) {
    const PaintedArea box = eraseBox(g);
    erase(surface, box);
    // At the usual window width the last picture lay inside the box already.
    if (!inside(last, box)) erase(surface, last);
    paintFront(surface, g, cube, view, n);
    const Grid grid = gridLines(g, n);
    drawGrid(surface, grid, kLightGrey);
    const SideFaces sides = sideFaces(view);
    fillTop(surface, g, cube, sides.top, n);
    fillRight(surface, g, cube, sides.right, n);
    drawGrid(surface, grid, kBlack);
    last = pictureArea(g);
}

}  // namespace vx
