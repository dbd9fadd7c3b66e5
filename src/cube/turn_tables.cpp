#include "cube/turn_tables.h"

#include "cube/cube.h"
#include "cube/space.h"

namespace vx {

std::size_t TurnTables::slot(int axis, int quarter, int layer) const {
    return (static_cast<std::size_t>(axis) * 2 + (quarter > 0 ? 0 : 1)) * (n_ + 1) + layer;
}

TurnTables::TurnTables(int n) : n_(n) {
    const std::size_t slots = 3 * 2 * static_cast<std::size_t>(n + 1);
    begin_.assign(slots, 0);
    end_.assign(slots, 0);

    for (int axis = 0; axis < 3; ++axis) {
        for (int quarter : {1, -1}) {
            const Vec3 w = unit(axis, quarter);
            for (int layer = 0; layer <= n; ++layer) {
                const int plane = 2 * layer - n - 1;
                begin_[slot(axis, quarter, layer)] = static_cast<std::uint32_t>(pairs_.size());
                for (int f = 1; f <= 6; ++f) {
                    const int facing = kFaceFrames[f].n[axis];
                    // The end face of an outer slab turns with it.
                    const bool endFace = (layer == 1 && facing == -1) || (layer == n && facing == 1);
                    for (int b = 1; b <= n; ++b) {
                        for (int a = 1; a <= n; ++a) {
                            const Vec3 p = squarePosition(a, b, f, n);
                            if (layer != 0 && !endFace && p[axis] != plane) continue;
                            const FaceSquare to = squareAt(quarterTurn(p, w), n);
                            pairs_.push_back({static_cast<std::uint16_t>(Cube::index(to.a, to.b, to.f)),
                                              static_cast<std::uint16_t>(Cube::index(a, b, f))});
                        }
                    }
                }
                end_[slot(axis, quarter, layer)] = static_cast<std::uint32_t>(pairs_.size());
            }
        }
    }
}

std::span<const SquarePair> TurnTables::layer(const PhysicalMove& m) const {
    if (m.axis < 0 || m.axis > 2 || m.layer < 1 || m.layer > n_ || (m.quarter != 1 && m.quarter != -1))
        return {};
    const std::size_t s = slot(m.axis, m.quarter, m.layer);
    return {pairs_.data() + begin_[s], pairs_.data() + end_[s]};
}

std::span<const SquarePair> TurnTables::whole(int axis, int quarter) const {
    if (axis < 0 || axis > 2 || (quarter != 1 && quarter != -1)) return {};
    const std::size_t s = slot(axis, quarter, 0);
    return {pairs_.data() + begin_[s], pairs_.data() + end_[s]};
}

}  // namespace vx
