#pragma once
#include "cube/layer_turn.h"
#include "cube/random.h"
#include "cube/view.h"
#include "history/history.h"
#include "history/scramble_counters.h"

namespace vx {

// One scramble turn. Candidates are drawn (front face 1, 5 or 6, upright,
// then the edge, then the layer) until one is accepted: a face is never used
// three times in a row, a repeated face never turns the same layer again, and
// of a pair of turns on one face at most n/2 may start from the same edge.
// The accepted turn becomes the view, is pushed on the history, and is
// returned for the turn stage to carry out.
ScreenMove scrambleStep(ScrambleCounters& c, View& view, History& h, Random& rnd, int n);

}  // namespace vx
