#include "cube/layer_turn.h"

#include "cube/space.h"

namespace vx {

int turnDirection(const ScreenMove& m, int n) {
    if (m.turnkind == 1) return m.clickrow == 1 ? 1 : m.clickrow == n ? 2 : 0;
    if (m.turnkind == 2) return m.clickcol == n ? 1 : m.clickcol == 1 ? 2 : 0;
    return 0;
}

namespace {

// A screen direction as a signed axis of the reference frame.
struct SignedAxis {
    int axis = 0;
    int sign = 0;
};

struct ScreenAxes {
    SignedAxis right, down;
};

constexpr SignedAxis signedAxis(Vec3 d) {
    if (d.x != 0) return {0, d.x};
    if (d.y != 0) return {1, d.y};
    return {2, d.z};
}

// [frontface][frontturn]: the screen's right and down directions, worked out
// once from the face frames.
constexpr auto kScreenAxes = [] {
    std::array<std::array<ScreenAxes, 5>, 7> table{};
    for (int f = 1; f <= 6; ++f) {
        for (int t = 1; t <= 4; ++t) {
            const FaceFrame& fr = kFaceFrames[static_cast<std::size_t>(f)];
            const Vec3 right = t == 1 ? fr.u : t == 2 ? -fr.v : t == 3 ? -fr.u : fr.v;
            const Vec3 down = t == 1 ? fr.v : t == 2 ? fr.u : t == 3 ? -fr.v : -fr.u;
            table[static_cast<std::size_t>(f)][static_cast<std::size_t>(t)] = {signedAxis(right), signedAxis(down)};
        }
    }
    return table;
}();

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
    const ScreenAxes& axes = kScreenAxes[static_cast<std::size_t>(view.face)][static_cast<std::size_t>(view.turn)];
    // The slab is picked along the screen's right (columns) or down (rows)
    // direction and turns about that same direction: column up and row right
    // about -along, column down and row left about +along.
    SignedAxis along;
    int line = 0;
    if (m.turnkind == 1) {
        along = axes.right;
        line = m.clickcol;
    } else if (m.turnkind == 2) {
        along = axes.down;
        line = m.clickrow;
    } else {
        return {};
    }
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

int layerTurn(Cube& cube, View view, const ScreenMove& m, int n) {
    const Resolved r = resolve(view, m, n);
    if (r.dir != 0) cube.turn(r.move, n);
    return r.dir;
}

}  // namespace vx
