#include "history/whole_shift.h"

namespace vx {
namespace {

// [axis - 1][Low, High][old front face] -> new front face; 0 for the two end
// faces of the axis, which lie across it.
constexpr int kFrontAfter[3][2][7] = {
    {{0, 2, 3, 4, 1, 0, 0}, {0, 4, 1, 2, 3, 0, 0}},
    {{0, 0, 6, 0, 5, 2, 4}, {0, 0, 5, 0, 6, 4, 2}},
    {{0, 5, 0, 6, 0, 3, 1}, {0, 6, 0, 5, 0, 1, 3}},
};

int turnBy(int t, int k) { return (t - 1 + k + 4) % 4 + 1; }

}  // namespace

WholeTurn wholeTurnFor(int histaxis, Shift shift) {
    // History axis 1 turns slices across x, 2 across z, 3 across y. A Low
    // shift adds a quarter turn about the positive axis to every layer, so the
    // cube turns a quarter the negative way to make up for it.
    static constexpr int kCubeAxis[4] = {0, 0, 2, 1};
    if (histaxis < 1 || histaxis > 3) return {};
    return {kCubeAxis[histaxis], shift == Shift::Low ? -1 : 1};
}

bool viewFollowsShift(View view, int histaxis) {
    return validView(view) && histaxis >= 1 && histaxis <= 3 && kFrontAfter[histaxis - 1][0][view.face] != 0;
}

View viewAfterShift(View view, int histaxis, Shift shift) {
    if (!viewFollowsShift(view, histaxis)) return view;
    const int newFace = kFrontAfter[histaxis - 1][shift == Shift::Low ? 0 : 1][view.face];
    int newTurn = view.turn;
    if (histaxis == 2) newTurn = turnBy(view.turn, shift == Shift::Low ? -1 : 1);
    // The back face's grid runs upwards where the others of its ring run
    // downwards, so passing through it turns the picture upside down.
    if (histaxis == 3 && (newFace == 3 || view.face == 3)) newTurn = turnBy(view.turn, 2);
    return {newFace, newTurn};
}

void shiftWholeCube(Cube& cube, View& view, int histaxis, Shift shift, int n) {
    if (!viewFollowsShift(view, histaxis)) return;
    const WholeTurn w = wholeTurnFor(histaxis, shift);
    cube.turnWhole(w.axis, w.quarter, n);
    view = viewAfterShift(view, histaxis, shift);
}

}  // namespace vx
