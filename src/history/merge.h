#pragma once
#include "history/history.h"
#include "history/record.h"

namespace vx {

// Rewrites the run of entries about one axis at the top of the history in
// its shortest form: the net quarter turn of every layer (-2..2), one or two
// entries per layer in increasing layer order. When more than half of the
// layers would lose a quarter turn, every layer is shifted by one and the
// whole cube is turned the other way to match (see whole_shift.h), which the
// player cannot see. The entry below the run is never touched.
//
// Does nothing unless the two top entries share their axis.
void mergeTopRun(History& h, MergeContext ctx);

}  // namespace vx
