#pragma once
// Shared pieces of the history tests: views, moves and traced cubes.
#include <vector>

#include "cube/cube.h"
#include "cube/layer_turn.h"
#include "cube/space.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx::test {

// The view in which an entry is read, and the move it stands for there.
inline View canonicalView(int axis) { return axis == 1 ? View{1, 1} : axis == 2 ? View{5, 1} : View{6, 1}; }
inline ScreenMove canonicalMove(const HistEntry& e) { return {e.axis == 3 ? 2 : 1, e.col, e.row}; }

// The entry turning `layer` of `axis` by one quarter: +1 from edge n, -1 from edge 1.
inline HistEntry quarterEntry(int axis, int layer, int quarter, int n) {
    const int edge = quarter > 0 ? n : 1;
    return axis == 3 ? HistEntry{axis, edge, layer} : HistEntry{axis, layer, edge};
}

// A cube whose squares all carry different colours (n <= 6 keeps them below 256).
inline Cube uniquelyLabelled(int n) {
    Cube c;
    int label = 1;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) c.setSquarecolor(a, b, f, label++);
    return c;
}

inline Cube colouredByFace(int n) {
    Cube c;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) c.setSquarecolor(a, b, f, f);
    return c;
}

inline bool sameSquares(const Cube& x, const Cube& y, int n) {
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (x.squarecolor(a, b, f) != y.squarecolor(a, b, f)) return false;
    return true;
}

// The 24 positions of a cube turned as a whole.
inline std::vector<Cube> allRigidTurns(const Cube& start, int n) {
    std::vector<Cube> found{start};
    for (std::size_t i = 0; i < found.size(); ++i)
        for (int axis = 0; axis < 3; ++axis) {
            Cube next = found[i];
            next.turnWhole(axis, 1, n);
            bool known = false;
            for (const Cube& c : found) known = known || sameSquares(c, next, n);
            if (!known) found.push_back(next);
        }
    return found;
}

}  // namespace vx::test

namespace vx::test {

// Carries out the history from the top down, as the computer would.
inline void playHistory(Cube& cube, const History& h, int n) {
    for (int i = h.histcount; i >= 1; --i) {
        const HistEntry e = h.at(i);
        if (const auto m = physicalMove(canonicalView(e.axis), canonicalMove(e), n)) cube.turn(*m, n);
    }
}

}  // namespace vx::test
