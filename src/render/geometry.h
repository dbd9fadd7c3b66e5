#pragma once

namespace vx {

// Where the cube lies on the drawing surface. Front face: the S x S squares
// from (cubeleft, cubetop) to (cuberight, cubebottom). The top and right faces
// recede up and to the right at 45 degrees, depthsize deep, depthstep a square.
struct Geometry {
    int squarewidth = 0, squareheight = 0, facesize = 0;
    double depthsize = 0, depthstep = 0;  // fractional after a puzzle is read from a file
    int cubeleft = 0, cubetop = 0, cuberight = 0, cubebottom = 0;
    // The rule the picture was laid out by, so that a new client size lays
    // it out again the same way: the cube size whose grid the front face's
    // corner was placed on (a loaded puzzle keeps the place of the cube
    // before it), and whether the depth is half the face (a loaded puzzle).
    int placedfor = 0;
    bool halfdepth = false;
    // The right edge of the box every repaint clears, whatever the cube.
    int eraseright = 590;
};

// The three steps of a new cube's set-up, for an n-cube (n is a CubeSize's
// value: checked where it entered).
// Square size and face size from n.
void setSquareSize(Geometry& g, int n);
// The front face's corners from the client area (needs the square size).
void setPosition(Geometry& g, int n, double clientWidth, double clientHeight);
// The depth of the top and right faces, a whole number of pixels a square.
void setDepth(Geometry& g, int n);
// All three, in that order.
void setUpGeometry(Geometry& g, int n, double clientWidth, double clientHeight);

// After a puzzle is read from a file: the square size as usual, a depth of
// exactly half the face (so depthstep is half a square, possibly a fraction),
// the front face's top-left corner where it was.
void setUpFileGeometry(Geometry& g, int n);

// The same rule once more for another client area: the corner placed on the
// grid of `placedfor`, the square size and depth of the rule.
void placeAgain(Geometry& g, int n, double clientWidth, double clientHeight);

// The squares that keep the cube's picture fillable: a square at least this
// wide, a depth step at least this deep.
inline constexpr int kLeastSquare = 7, kLeastDepthStep = 4;

// The largest picture of an n-cube, no larger than the usual one, that fits
// the box from (left, top) to (right, bottom), centred in it: whole-pixel
// depth steps of about half a square. The smallest one is taken when none
// fits.
void fitInto(Geometry& g, int n, int left, int top, int right, int bottom);

}  // namespace vx
