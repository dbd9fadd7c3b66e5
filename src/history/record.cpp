#include "history/record.h"

#include "history/convert.h"
#include "history/merge.h"

namespace vx {
namespace {

// A layer of this cube turned from one of its two edges.
bool namesATurn(const HistEntry& e, int n) {
    const int edge = e.axis == 3 ? e.col : e.row;
    return validEntry(e, n) && (edge == 1 || edge == n);
}

}  // namespace

void recordTurn(History& h, HistEntry turn, MergeContext ctx) {
    if (!namesATurn(turn, ctx.n)) return;
    if (h.histcount > 0 && h.top() == turn) {
        h.pop();
        return;
    }
    h.push(inverseEntry(turn, ctx.n));
    if (h.histcount > 1 && h.at(h.histcount - 1).axis == turn.axis) mergeTopRun(h, ctx);
}

void recordScrambleTurn(History& h, View view, const ScreenMove& m, int n) {
    const HistEntry turn = toAbsolute(view, m, n);
    if (!namesATurn(turn, n)) return;
    h.push(inverseEntry(turn, n));
}

}  // namespace vx
