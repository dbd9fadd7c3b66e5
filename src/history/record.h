#pragma once
#include "cube/cube.h"
#include "cube/layer_turn.h"
#include "cube/random.h"
#include "cube/view.h"
#include "history/history.h"
#include "history/scramble_counters.h"

namespace vx {

// Everything a merge may touch besides the history itself: a merge can turn
// the whole cube and change the view to match, and draws from the shared
// random generator.
struct MergeContext {
    Cube& cube;
    View& view;
    Random& rnd;
    ScrambleCounters& counters;
    int n;
};

// Records a turn the player made (a click or a draw-mode step), given in
// absolute form: a turn that undoes the top entry pops it; any other turn
// pushes its inverse and merges the top run when it continues the axis of the
// entry below. An entry that is no turn of this cube is ignored.
void recordTurn(History& h, HistEntry turn, MergeContext ctx);

// Records a scramble turn made in `view`: pushes its inverse, with no undo
// check and no merge. A move that is no turn is ignored.
void recordScrambleTurn(History& h, View view, const ScreenMove& m, int n);

}  // namespace vx
