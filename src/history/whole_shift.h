#pragma once
#include "cube/cube.h"
#include "cube/view.h"

namespace vx {

// A merge may add one quarter turn to every layer of an axis (Low: the side
// counted by lowedgecount, +1 to every layer) or take one away (High: -1).
// The cube is then turned the other way as a whole, so the history still
// undoes it, and the view follows the cube so that the picture stays.
enum class Shift { Low, High };

// The rigid quarter turn of the cube for a shift about a history axis (1..3):
// the axis of Cube::turnWhole and its sense.
struct WholeTurn {
    int axis = 0;
    int quarter = 0;
};
WholeTurn wholeTurnFor(int histaxis, Shift shift);

// True when the front face of `view` lies in the ring of faces around the
// history axis, the only case in which the view can follow a shift.
bool viewFollowsShift(View view, int histaxis);

// The view that shows the shifted cube as `view` showed it before.
View viewAfterShift(View view, int histaxis, Shift shift);

// Turns the cube as a whole and changes the view to match.
void shiftWholeCube(Cube& cube, View& view, int histaxis, Shift shift, int n);

}  // namespace vx
