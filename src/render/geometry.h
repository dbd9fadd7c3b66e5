#pragma once

namespace vx {

// Where the cube lies on the drawing surface. Front face: the S x S squares
// from (cubeleft, cubetop) to (cuberight, cubebottom). The top and right faces
// recede up and to the right at 45 degrees, depthsize deep, depthstep a square.
struct Geometry {
    int squarewidth = 0, squareheight = 0, facesize = 0;
    double depthsize = 0, depthstep = 0;  // fractional after a puzzle is read from a file
    int cubeleft = 0, cubetop = 0, cuberight = 0, cubebottom = 0;
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

}  // namespace vx
