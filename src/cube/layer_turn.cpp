#include "cube/layer_turn.h"

#include "cube/space.h"

namespace vx {

int turnDirection(const ScreenMove& m, int n) {
    if (m.turnkind == 1) return m.clickrow == 1 ? 1 : m.clickrow == n ? 2 : 0;
    if (m.turnkind == 2) return m.clickcol == n ? 1 : m.clickcol == 1 ? 2 : 0;
    return 0;
}

namespace {

// The screen direction along which a kind of move picks its slab: columns
// (1) along the screen's right, rows (2) along its down.
SignedAxis alongOf(const ScreenFrame& screen, int turnkind) {
    return signedAxis(turnkind == 1 ? screen.right : screen.down);
}

// A screen move resolved: the physical turn and `turndir` (0: no turn).
struct Resolved {
    PhysicalMove move;
    int dir = 0;
};

// Shared by the two entry points below, and kept inline: the turn stage pays
// for no call and nothing is worked out twice.
inline Resolved resolve(View view, const ScreenMove& m, int n) {
    const auto outside = [n](int k) { return static_cast<unsigned>(k - 1) >= static_cast<unsigned>(n); };
    if (!validView(view) || outside(m.clickcol) || outside(m.clickrow)) return {};
    if (m.turnkind != 1 && m.turnkind != 2) return {};
    // The slab is picked along the screen's right (columns) or down (rows)
    // direction and turns about that same direction: column up and row right
    // about -along, column down and row left about +along.
    const SignedAxis along = alongOf(screenFrame(view), m.turnkind);
    const int line = m.turnkind == 1 ? m.clickcol : m.clickrow;
    const int dir = turnDirection(m, n);
    if (dir == 0) return {};
    const int about = dir == 1 ? -1 : 1;
    return {{along.axis, along.sign > 0 ? line : n + 1 - line, about * along.sign}, dir};
}

}  // namespace

std::optional<PhysicalMove> physicalMove(View view, const ScreenMove& m, int n) {
    const Resolved r = resolve(view, m, n);
    if (r.dir == 0) return std::nullopt;
    return r.move;
}

std::optional<ScreenMove> screenMove(View view, const PhysicalMove& t, int n) {
    if (!validView(view) || t.layer < 1 || t.layer > n || (t.quarter != 1 && t.quarter != -1)) return std::nullopt;
    const ScreenFrame screen = screenFrame(view);
    for (int kind = 1; kind <= 2; ++kind) {
        const SignedAxis along = alongOf(screen, kind);
        if (along.axis != t.axis) continue;
        // resolve() backwards: the line from the slab, the direction from the sense.
        const int line = along.sign > 0 ? t.layer : n + 1 - t.layer;
        const int dir = t.quarter * along.sign < 0 ? 1 : 2;
        if (kind == 1) return ScreenMove{1, line, dir == 1 ? 1 : n};
        return ScreenMove{2, dir == 1 ? n : 1, line};
    }
    return std::nullopt;
}

int layerTurn(Cube& cube, View view, const ScreenMove& m, int n) {
    const Resolved r = resolve(view, m, n);
    if (r.dir != 0) cube.turn(r.move, n);
    return r.dir;
}

}  // namespace vx
