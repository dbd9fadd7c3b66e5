#pragma once
#include "cube/layer_turn.h"
#include "cube/random.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx {

// What the computer does in one step: either a layer turn (`move`, for the
// turn stage, not recorded) or, when the layer lies parallel to the screen,
// a turn of the whole cube by the arrow key `solverkey` (37..40).
struct ComputerAction {
    bool wholeCube = false;
    ScreenMove move;
    int solverkey = 0;
};

// Carries out the top entry of the history from the current view: pops it
// and returns its screen move, or presses a random arrow key (the view
// changes, the history does not) so that the next step can turn it.
// An entry that names no turn is popped with a move of kind 0, which the turn
// stage ignores, so a damaged history still runs out. Nothing happens on an
// empty history.
ComputerAction computerStep(History& h, View& view, Random& rnd, int n);

}  // namespace vx
