#include "cube/turn_tables.h"

#include "cube/cube.h"
#include "cube/space.h"

namespace vx {

TurnTables::TurnTables(int n) : n_(n) {
    const std::size_t slots = 3 * 2 * static_cast<std::size_t>(n + 1);
    begin_.assign(slots, 0);
    end_.assign(slots, 0);

    // Where the quarter turn about one axis takes each square, and which slab
    // the square belongs to (an end face turns with the outer slab on its side).
    constexpr std::size_t kSquares = 8 * Cube::kBound * Cube::kBound;
    std::vector<std::uint16_t> image(kSquares);
    std::vector<int> slabOf(kSquares, -1);
    std::vector<std::vector<SquareCycle>> slabs(static_cast<std::size_t>(n + 1));

    for (int axis = 0; axis < 3; ++axis) {
        for (int quarter : {1, -1}) {
            const Vec3 w = unit(axis, quarter);
            for (int f = 1; f <= 6; ++f) {
                const int facing = kFaceFrames[static_cast<std::size_t>(f)].n[axis];
                for (int b = 1; b <= n; ++b) {
                    for (int a = 1; a <= n; ++a) {
                        const Vec3 p = squarePosition(a, b, f, n);
                        const FaceSquare to = squareAt(quarterTurn(p, w), n);
                        const auto from = static_cast<std::size_t>(Cube::index(a, b, f));
                        image[from] = static_cast<std::uint16_t>(Cube::index(to.a, to.b, to.f));
                        slabOf[from] = facing > 0 ? n : facing < 0 ? 1 : (p[axis] + n + 1) / 2;
                    }
                }
            }
            for (auto& slab : slabs) slab.clear();
            std::vector<bool> done(kSquares, false);
            for (std::size_t start = 0; start < kSquares; ++start) {
                if (slabOf[start] < 0 || done[start] || image[start] == start) continue;
                SquareCycle cycle{};
                std::size_t at = start;
                for (auto& entry : cycle.at) {
                    entry = static_cast<std::uint16_t>(at);
                    done[at] = true;
                    at = image[at];
                }
                slabs[static_cast<std::size_t>(slabOf[start])].push_back(cycle);
                slabs[0].push_back(cycle);
            }
            for (int layer = 0; layer <= n; ++layer) {
                const auto& slab = slabs[static_cast<std::size_t>(layer)];
                begin_[slot(axis, quarter, layer)] = static_cast<std::uint32_t>(cycles_.size());
                cycles_.insert(cycles_.end(), slab.begin(), slab.end());
                end_[slot(axis, quarter, layer)] = static_cast<std::uint32_t>(cycles_.size());
            }
        }
    }
}

std::span<const SquareCycle> TurnTables::whole(int axis, int quarter) const {
    if (axis < 0 || axis > 2 || (quarter != 1 && quarter != -1)) return {};
    return cycles(slot(axis, quarter, 0));
}

}  // namespace vx
