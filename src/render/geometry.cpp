#include "render/geometry.h"

#include <algorithm>
#include <cmath>

#include "cube/cube.h"

namespace vx {
namespace {

// Int(v): the largest whole number not above v, held to a sane range so that
// an absurd client size cannot overflow.
int wholeDown(double v) {
    constexpr double kLimit = 1e8;
    if (!(v > -kLimit)) return static_cast<int>(-kLimit);
    if (v > kLimit) return static_cast<int>(kLimit);
    return static_cast<int>(std::floor(v));
}

// The largest multiple of n not above v.
int multipleBelow(double v, int n) { return n * wholeDown(v / n); }

}  // namespace

void setSquareSize(Geometry& g, int n) {
    g.squarewidth = 230 / n;
    g.squareheight = g.squarewidth;
    g.facesize = g.squarewidth * n;
}

namespace {

void placeCorner(Geometry& g, int n, int grid, double clientWidth, double clientHeight) {
    g.cubeleft = multipleBelow(wholeDown(clientWidth / 2) - 165.0, grid);
    g.cubetop = multipleBelow(wholeDown(clientHeight / 2) - 65.0, grid);
    g.cuberight = g.cubeleft + g.squarewidth * n;
    g.cubebottom = g.cubetop + g.squareheight * n;
}

void halfFaceDepth(Geometry& g, int n) {
    g.depthsize = g.facesize / 2.0;
    g.depthstep = g.depthsize / n;
}

}  // namespace

void setPosition(Geometry& g, int n, double clientWidth, double clientHeight) {
    g.placedfor = n;
    placeCorner(g, n, n, clientWidth, clientHeight);
}

void setDepth(Geometry& g, int n) {
    const int step = 115 / n;  // whole pixels
    g.depthstep = step;
    g.depthsize = g.depthstep * n;
}

void setUpGeometry(Geometry& g, int n, double clientWidth, double clientHeight) {
    setSquareSize(g, n);
    setPosition(g, n, clientWidth, clientHeight);
    setDepth(g, n);
    g.halfdepth = false;
}

void setUpFileGeometry(Geometry& g, int n) {
    setSquareSize(g, n);
    halfFaceDepth(g, n);
    g.halfdepth = true;
    g.cuberight = g.cubeleft + g.squarewidth * n;
    g.cubebottom = g.cubetop + g.squareheight * n;
}

void placeAgain(Geometry& g, int n, double clientWidth, double clientHeight) {
    setSquareSize(g, n);
    placeCorner(g, n, g.placedfor > 0 ? g.placedfor : n, clientWidth, clientHeight);
    if (g.halfdepth)
        halfFaceDepth(g, n);
    else
        setDepth(g, n);
}

void fitInto(Geometry& g, int n, int left, int top, int right, int bottom) {
    const int width = right - left + 1, height = bottom - top + 1;
    const int widest = 230 / n, deepest = 115 / n;
    const auto stepFor = [&](int square) { return std::min(deepest, std::max(kLeastDepthStep, square / 2)); };
    // The picture spans the face, the depth and the line's end pixel.
    const auto span = [&](int square) { return (square + stepFor(square)) * n + 1; };
    int square = widest;
    while (square > kLeastSquare && (span(square) > width || span(square) > height)) --square;
    const int step = stepFor(square);
    g.squarewidth = g.squareheight = square;
    g.facesize = square * n;
    g.depthstep = step;
    g.depthsize = step * n;
    g.cubeleft = left + std::max(0, width - span(square)) / 2;
    g.cubetop = top + step * n + std::max(0, height - span(square)) / 2;
    g.cuberight = g.cubeleft + g.facesize;
    g.cubebottom = g.cubetop + g.facesize;
}

}  // namespace vx
