#include "render/geometry.h"

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

void setPosition(Geometry& g, int n, double clientWidth, double clientHeight) {
    g.cubeleft = multipleBelow(wholeDown(clientWidth / 2) - 165.0, n);
    g.cubetop = multipleBelow(wholeDown(clientHeight / 2) - 65.0, n);
    g.cuberight = g.cubeleft + g.squarewidth * n;
    g.cubebottom = g.cubetop + g.squareheight * n;
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
}

void setUpFileGeometry(Geometry& g, int n) {
    setSquareSize(g, n);
    g.depthsize = g.facesize / 2.0;
    g.depthstep = g.depthsize / n;
    g.cuberight = g.cubeleft + g.squarewidth * n;
    g.cubebottom = g.cubetop + g.squareheight * n;
}

}  // namespace vx
