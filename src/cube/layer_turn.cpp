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

// Shared by the two entry points below so that the turn stage pays for no call.
inline std::optional<PhysicalMove> screenToPhysical(View view, const ScreenMove& m, int n) {
    if (!validView(view) || m.clickcol < 1 || m.clickcol > n || m.clickrow < 1 || m.clickrow > n)
        return std::nullopt;
    const int dir = turnDirection(m, n);
    if (dir == 0) return std::nullopt;

    // The slab is picked along the screen's right (columns) or down (rows)
    // direction and turns about that same direction: column up and row right
    // about -along, column down and row left about +along.
    const ScreenAxes& axes = kScreenAxes[static_cast<std::size_t>(view.face)][static_cast<std::size_t>(view.turn)];
    const SignedAxis along = m.turnkind == 1 ? axes.right : axes.down;
    const int line = m.turnkind == 1 ? m.clickcol : m.clickrow;
    const int about = dir == 1 ? -1 : 1;
    return PhysicalMove{along.axis, along.sign > 0 ? line : n + 1 - line, about * along.sign};
}

}  // namespace

std::optional<PhysicalMove> physicalMove(View view, const ScreenMove& m, int n) {
    return screenToPhysical(view, m, n);
}

int layerTurn(Cube& cube, View view, const ScreenMove& m, int n) {
    const std::optional<PhysicalMove> move = screenToPhysical(view, m, n);
    if (!move) return 0;
    cube.turn(*move, n);
    return turnDirection(m, n);
}

}  // namespace vx
