#include "history/merge.h"

#include <array>
#include <optional>

#include "history/whole_shift.h"

namespace vx {
namespace {

using LayerTurns = std::array<int, kMaxCubeSize + 1>;

// Axes 1 and 2 choose the layer by the column and the direction by the row;
// axis 3 the other way round.
int layerOf(const HistEntry& e) { return e.axis == 3 ? e.row : e.col; }

// The entry as quarter turns of its layer: +1 from edge n, -1 from edge 1.
int quarterOf(const HistEntry& e, int n) {
    const int edge = e.axis == 3 ? e.col : e.row;
    return edge == n ? 1 : edge == 1 ? -1 : 0;
}

// A quarter turn either way is one entry; three one way are one the other.
int normalised(int q) { return q == 3 ? -1 : q == -3 ? 1 : q; }

HistEntry entryFor(int axis, int layer, int quarter, int n) {
    const int edge = quarter > 0 ? n : 1;
    return axis == 3 ? HistEntry{axis, edge, layer} : HistEntry{axis, layer, edge};
}

// Counts the layers each shift would shorten and decides on one. The counts
// and then the choice are left in the counters (-1 marks the chosen side).
std::optional<Shift> chooseShift(const LayerTurns& layerturns, int n, ScrambleCounters& c, Random& rnd) {
    int positive = 0, negative = 0;
    c.lowedgecount = 0;
    c.highedgecount = 0;
    for (int l = 1; l <= n; ++l) {
        const int q = layerturns[l];
        if (q > 0 || q == -2) ++c.highedgecount;
        if (q < 0 || q == 2) ++c.lowedgecount;
        if (q > 0) ++positive;
        if (q < 0) ++negative;
    }
    const int enough = n / 2 + 1;
    if (c.highedgecount < enough && c.lowedgecount < enough) return std::nullopt;
    if (c.lowedgecount >= enough) c.lowedgecount = -1;
    if (c.highedgecount >= enough) c.highedgecount = -1;
    if (c.lowedgecount == -1 && c.highedgecount == -1) {
        // Half turns count on both sides. The coin is thrown even when the
        // signs then decide, which keeps the draws of the generator in order.
        if (rnd.upTo(2) == 1)
            c.lowedgecount = 0;
        else
            c.highedgecount = 0;
        if (negative > positive) {
            c.lowedgecount = -1;
            c.highedgecount = 0;
        }
        if (positive > negative) {
            c.highedgecount = -1;
            c.lowedgecount = 0;
        }
    }
    return c.lowedgecount == -1 ? Shift::Low : Shift::High;
}

}  // namespace

void mergeTopRun(History& h, MergeContext ctx) {
    const int n = ctx.n;
    const int top = h.histcount;
    if (top < 2) return;
    const int axis = h.at(top).axis;
    if (h.at(top - 1).axis != axis) return;

    // The run stops at the first entry of another axis, and at an entry that
    // names no layer of this cube (it can only come from a damaged file), so
    // such an entry stays below the run as it is.
    int base = top;
    while (base > 0 && h.at(base).axis == axis && validEntry(h.at(base), n)) --base;
    if (top - base < 2) return;

    LayerTurns layerturns{};
    for (int i = base + 1; i <= top; ++i) {
        const HistEntry e = h.at(i);
        int& q = layerturns[layerOf(e)];
        q = normalised(q + quarterOf(e, n));
    }

    std::optional<Shift> shift = chooseShift(layerturns, n, ctx.counters, ctx.rnd);
    // A click never turns layers parallel to the screen, so the front face
    // lies in the ring of the run's axis; should it not, the cube is left
    // unshifted rather than shown differently.
    if (shift && !viewFollowsShift(ctx.view, axis)) shift.reset();
    if (shift) {
        const int by = *shift == Shift::Low ? 1 : -1;
        for (int l = 1; l <= n; ++l) layerturns[l] = normalised(layerturns[l] + by);
        shiftWholeCube(ctx.cube, ctx.view, axis, *shift, n);
    }

    h.histcount = base;
    for (int l = 1; l <= n; ++l) {
        const int q = layerturns[l];
        for (int k = 0; k < (q < 0 ? -q : q); ++k) h.push(entryFor(axis, l, q, n));
    }
}

}  // namespace vx
