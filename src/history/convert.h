#pragma once
#include <optional>

#include "cube/layer_turn.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx {

// A turn in the history's absolute form is the screen move that makes it in
// the canonical view of its axis, with the grid upright:
//   axis 1: front face 1, a column turn at (col, row)  (slices across left-right)
//   axis 2: front face 5, a column turn at (col, row)  (slices across front-back)
//   axis 3: front face 6, a row turn at (col, row)     (slices across up-down)
// so the same physical turn has the same entry from whichever view it is made.
// Every conversion goes through the physical turn (cube/layer_turn.h), worked
// out from the geometry of the views: screen move -> physical turn -> entry,
// and back.

// The absolute form (`newaxis`, `newcol`, `newrow`) of a screen move seen in
// `view`. {-1, -1, -1} when the move is no turn: a kind other than column (1)
// or row (2), an invalid view, a square off the front face, or a square that
// is not on the edge its kind turns from.
HistEntry toAbsolute(View view, const ScreenMove& m, int n);

// The one screen move in `view` whose absolute form is `e`. Nothing when the
// entry's layers lie parallel to the screen (no click can turn them), when the
// entry has no axis 1..3, or the view is invalid.
std::optional<ScreenMove> toScreen(View view, const HistEntry& e, int n);

// The physical turn that the computer makes when it carries out entry `e`
// (from whichever view it makes it); nothing for an entry that names no turn.
std::optional<PhysicalMove> turnOfEntry(const HistEntry& e, int n);

// The entry whose turn is `t`; nothing when no click can make that turn (a
// move of the whole cube, or one outside the cube).
std::optional<HistEntry> entryOfTurn(const PhysicalMove& t, int n);

// True when the layers about `axis` (1..3) lie parallel to the screen in `view`:
// axis 1 with front face 5 or 6, axis 2 with 1 or 3, axis 3 with 2 or 4.
bool parallelToScreen(View view, int axis);

}  // namespace vx
