#pragma once
// Shared pieces of the history tests: views, moves and traced cubes.
#include <vector>

#include "cube/cube.h"
#include "cube/layer_turn.h"
#include "cube/space.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx::test {

inline std::vector<View> allViews() {
    std::vector<View> views;
    for (int f = 1; f <= 6; ++f)
        for (int t = 1; t <= 4; ++t) views.push_back({f, t});
    return views;
}

// The lines worth trying on an n-cube: all of them on small cubes, the ends
// and the middle on big ones.
inline std::vector<int> someLines(int n) {
    if (n <= 5) {
        std::vector<int> all;
        for (int l = 1; l <= n; ++l) all.push_back(l);
        return all;
    }
    return {1, 2, n / 2, n - 1, n};
}

// Every move a click can make on the edges of the front face, over `lines`.
inline std::vector<ScreenMove> edgeMoves(int n, const std::vector<int>& lines) {
    std::vector<ScreenMove> moves;
    for (int l : lines)
        for (int edge : {1, n}) {
            moves.push_back({1, l, edge});
            moves.push_back({2, edge, l});
        }
    return moves;
}

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

// The absolute position shown at a place on the screen, given in the screen's
// own frame (right, down, towards the player).
inline Vec3 positionAt(View view, Vec3 onScreen) {
    const ScreenFrame s = screenFrame(view);
    return onScreen.x * s.right + onScreen.y * s.down + onScreen.z * s.out;
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

// What a view shows of the cube: the colour at every place, listed in one
// fixed order of places on the screen.
inline std::vector<int> seenFrom(const Cube& cube, View view, int n) {
    std::vector<int> seen;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) {
                const FaceSquare s = squareAt(positionAt(view, squarePosition(a, b, f, n)), n);
                seen.push_back(cube.squarecolor(s.a, s.b, s.f));
            }
    return seen;
}

}  // namespace vx::test
