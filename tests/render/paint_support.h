#pragma once
// What a painted cube must look like, worked out from the cube's layout on the
// screen rather than from the painter's own steps: which square each screen
// cell shows, and which pixels each cell's colour covers.
#include <array>
#include <cmath>
#include <cstdint>
#include <vector>

#include "cube/cube.h"
#include "cube/view.h"
#include "render/geometry.h"

namespace vx::test {

// The fourteen colours a square may have.
inline constexpr std::array<int, 14> kSquareColours = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15};

// A cube in which neighbouring squares, and the same square on different
// faces, differ in colour almost everywhere.
inline Cube manyColouredCube(int n) {
    Cube cube;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) cube.setSquarecolor(a, b, f, kSquareColours[(a + 2 * b + 3 * f) % 14]);
    return cube;
}

// The face shown on top and on the right, with their orientations, for every
// front face and orientation: [face][turn] -> {top, right}.
struct ShownFaces {
    View top, right;
};
inline constexpr ShownFaces kViewTable[7][5] = {
    {},
    {{}, {{2, 1}, {6, 1}}, {{5, 2}, {2, 2}}, {{4, 3}, {5, 3}}, {{6, 4}, {4, 4}}},
    {{}, {{3, 1}, {6, 4}}, {{5, 3}, {3, 2}}, {{1, 3}, {5, 4}}, {{6, 3}, {1, 4}}},
    {{}, {{4, 1}, {6, 3}}, {{5, 4}, {4, 2}}, {{2, 3}, {5, 1}}, {{6, 2}, {2, 4}}},
    {{}, {{1, 1}, {6, 2}}, {{5, 1}, {1, 2}}, {{3, 3}, {5, 2}}, {{6, 1}, {3, 4}}},
    {{}, {{2, 4}, {1, 1}}, {{3, 4}, {2, 1}}, {{4, 4}, {3, 1}}, {{1, 4}, {4, 1}}},
    {{}, {{2, 2}, {3, 3}}, {{1, 2}, {2, 3}}, {{4, 2}, {1, 3}}, {{3, 2}, {4, 3}}},
};

// The square a face drawn with orientation o shows in screen cell (c, r).
inline Square shownSquare(int c, int r, int o, int n) {
    const int m = n + 1;
    switch (o) {
    case 1: return {c, r};
    case 2: return {r, m - c};
    case 3: return {m - c, m - r};
    case 4: return {m - r, c};
    }
    return {};
}

inline int shownColour(const Cube& cube, View face, int c, int r, int n) {
    const Square s = shownSquare(c, r, face.turn, n);
    return cube.squarecolor(s.a, s.b, face.face);
}

enum class Side { Front, Top, Right };

struct Cell {
    Side side;
    int c, r;
};

// Every cell of the three visible faces.
inline std::vector<Cell> allCells(int n) {
    std::vector<Cell> cells;
    for (Side side : {Side::Front, Side::Top, Side::Right})
        for (int r = 1; r <= n; ++r)
            for (int c = 1; c <= n; ++c) cells.push_back({side, c, r});
    return cells;
}

inline int expectedColour(const Cube& cube, View view, const Cell& cell, int n) {
    switch (cell.side) {
    case Side::Front: return shownColour(cube, view, cell.c, cell.r, n);
    case Side::Top: return shownColour(cube, kViewTable[view.face][view.turn].top, cell.c, cell.r, n);
    case Side::Right: return shownColour(cube, kViewTable[view.face][view.turn].right, cell.c, cell.r, n);
    }
    return -1;
}

// The top-left corner of a cell (real numbers for a file's geometry).
struct Corner {
    double x, y;
};

inline Corner cellCorner(const Geometry& g, const Cell& cell) {
    const double size = g.squarewidth, step = g.depthstep, depth = g.depthsize;
    const int c = cell.c - 1, r = cell.r - 1;
    switch (cell.side) {
    case Side::Front: return {g.cubeleft + c * size, g.cubetop + r * size};
    case Side::Top: return {g.cubeleft + depth - r * step + c * size, g.cubetop - depth + r * step};
    case Side::Right: return {g.cuberight + c * step, g.cubetop + r * size - c * step};
    }
    return {};
}

// True when the pixel lies inside the cell at least `margin` pixels (measured
// along x or y) from every one of its sides. With whole-number geometry and a
// margin of 1 these are exactly the pixels the cell's grid lines enclose.
inline bool insideCell(const Geometry& g, const Cell& cell, int x, int y, double margin) {
    const Corner k = cellCorner(g, cell);
    const double size = g.squarewidth, step = g.depthstep;
    switch (cell.side) {
    case Side::Front:
        return x >= k.x + margin && x <= k.x + size - margin && y >= k.y + margin && y <= k.y + size - margin;
    case Side::Top: {
        // Left and right sides slope down to the left at 45 degrees.
        const double down = y - k.y;
        return y >= k.y + margin && y <= k.y + step - margin && x >= k.x - down + margin &&
               x <= k.x + size - down - margin;
    }
    case Side::Right: {
        // Top and bottom sides rise to the right at 45 degrees.
        const double across = x - k.x;
        return x >= k.x + margin && x <= k.x + step - margin && y >= k.y - across + margin &&
               y <= k.y + size - across - margin;
    }
    }
    return false;
}

// The pixels a cell's colour covers when nothing stops short: a box around the
// cell to scan.
struct ScanBox {
    int x1, y1, x2, y2;
};
inline ScanBox cellScanBox(const Geometry& g, const Cell& cell) {
    const Corner k = cellCorner(g, cell);
    const int size = g.squarewidth;
    const int step = static_cast<int>(std::ceil(g.depthstep));
    const int x = static_cast<int>(std::floor(k.x)), y = static_cast<int>(std::floor(k.y));
    switch (cell.side) {
    case Side::Front: return {x, y, x + size + 1, y + size + 1};
    case Side::Top: return {x - step - 1, y, x + size + 1, y + step + 1};
    case Side::Right: return {x, y - step - 1, x + step + 1, y + size + 1};
    }
    return {};
}

// The exact picture of a cube painted on a black surface with whole-number
// geometry: every cell's enclosed pixels in its colour, everything else black.
inline std::vector<std::uint8_t> expectedPicture(int width, int height, const Geometry& g, const Cube& cube,
                                                 View view, int n) {
    std::vector<std::uint8_t> picture(static_cast<std::size_t>(width) * height, 0);
    for (const Cell& cell : allCells(n)) {
        const ScanBox box = cellScanBox(g, cell);
        const int colour = expectedColour(cube, view, cell, n);
        for (int y = box.y1; y <= box.y2; ++y)
            for (int x = box.x1; x <= box.x2; ++x)
                if (x >= 0 && y >= 0 && x < width && y < height && insideCell(g, cell, x, y, 1.0))
                    picture[static_cast<std::size_t>(y) * width + x] = static_cast<std::uint8_t>(colour);
    }
    return picture;
}

// True when (x, y) lies within a pixel of the outline of the three faces.
inline bool nearCube(const Geometry& g, int x, int y) {
    const double x0 = g.cubeleft, y0 = g.cubetop, x1 = g.cuberight, y1 = g.cubebottom, d = g.depthsize;
    const double t = 1.0;
    const bool front = x >= x0 - t && x <= x1 + t && y >= y0 - t && y <= y1 + t;
    const bool top = y >= y0 - d - t && y <= y0 + t && x >= x0 + (y0 - y) - t && x <= x1 + (y0 - y) + t;
    const bool right = x >= x1 - t && x <= x1 + d + t && y >= y0 - (x - x1) - t && y <= y1 - (x - x1) + t;
    return front || top || right;
}

}  // namespace vx::test
