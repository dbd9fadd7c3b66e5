#include "cube/layer_turn.h"

#include "cube/space.h"

namespace vx {

int turnDirection(const ScreenMove& m, int n) {
    if (m.turnkind == 1) return m.clickrow == 1 ? 1 : m.clickrow == n ? 2 : 0;
    if (m.turnkind == 2) return m.clickcol == n ? 1 : m.clickcol == 1 ? 2 : 0;
    return 0;
}

std::optional<PhysicalMove> physicalMove(View view, const ScreenMove& m, int n) {
    if (!validView(view) || m.clickcol < 1 || m.clickcol > n || m.clickrow < 1 || m.clickrow > n)
        return std::nullopt;
    const int dir = turnDirection(m, n);
    if (dir == 0) return std::nullopt;

    const ScreenFrame frame = screenFrame(view);
    // The slab is picked along the screen's right (columns) or down (rows)
    // direction; the slab turns about that same direction.
    const Vec3 along = m.turnkind == 1 ? frame.right : frame.down;
    const int line = m.turnkind == 1 ? m.clickcol : m.clickrow;
    // Column up and row right turn about -along; column down and row left
    // about +along.
    const int about = dir == 1 ? -1 : 1;

    for (int axis = 0; axis < 3; ++axis) {
        const int sign = along[axis];
        if (sign == 0) continue;
        return PhysicalMove{axis, sign > 0 ? line : n + 1 - line, about * sign};
    }
    return std::nullopt;
}

int layerTurn(Cube& cube, View view, const ScreenMove& m, int n) {
    const std::optional<PhysicalMove> move = physicalMove(view, m, n);
    if (!move) return 0;
    cube.turn(*move, n);
    return turnDirection(m, n);
}

}  // namespace vx
