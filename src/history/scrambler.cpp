#include "history/scrambler.h"

#include "history/record.h"

namespace vx {
namespace {

struct Candidate {
    int face = 1;
    ScreenMove move;
};

Candidate drawCandidate(Random& rnd, int n) {
    Candidate k;
    k.move.turnkind = 1;
    switch (rnd.upTo(3)) {
    case 2:
        k.face = 6;
        k.move.turnkind = 2;
        break;
    case 3: k.face = 5; break;
    default: k.face = 1; break;
    }
    const auto edge = [&] { return rnd.upTo(2) == 2 ? n : 1; };
    if (k.move.turnkind == 2) {
        k.move.clickcol = edge();
        k.move.clickrow = rnd.upTo(n);
    } else {
        k.move.clickrow = edge();
        k.move.clickcol = rnd.upTo(n);
    }
    return k;
}

// The coordinate that picks the edge a move starts from: the row of a column
// turn, the column of a row turn (face 6 makes the row turns).
int edgeOf(int face, int col, int row) { return face == 6 ? col : row; }

// Checks a candidate on the same face as the previous turn and does the
// counting that goes with it. The count of the previous turn's edge is made
// for every such candidate while it is the first repeat, and stays made when
// the candidate is thrown away.
bool acceptRepeat(ScrambleCounters& c, const Candidate& k, int n) {
    if (c.repeatcount == 0) {
        const int lastEdge = edgeOf(c.lastface, c.lastcol, c.lastrow);
        if (lastEdge == 1) ++c.lowedgecount;
        if (lastEdge == n) ++c.highedgecount;
    }
    if (c.repeatcount == 1) return false;

    const ScreenMove& m = k.move;
    const bool sameLayer = m.turnkind == 1 ? m.clickcol == c.lastcol : m.clickrow == c.lastrow;
    if (sameLayer) return false;

    const int most = n / 2;
    if (edgeOf(k.face, m.clickcol, m.clickrow) == 1) {
        if (c.lowedgecount >= most) return false;
        ++c.lowedgecount;
    } else {
        if (c.highedgecount >= most) return false;
        ++c.highedgecount;
    }
    ++c.repeatcount;
    return true;
}

}  // namespace

ScreenMove scrambleStep(ScrambleCounters& c, View& view, History& h, Random& rnd, int n) {
    Candidate k;
    for (;;) {
        k = drawCandidate(rnd, n);
        if (k.face != c.lastface) {
            resetCounters(c);
            break;
        }
        if (acceptRepeat(c, k, n)) break;
    }
    c.lastface = k.face;
    c.lastcol = k.move.clickcol;
    c.lastrow = k.move.clickrow;

    view = {k.face, 1};
    recordScrambleTurn(h, view, k.move, n);
    return k.move;
}

}  // namespace vx
