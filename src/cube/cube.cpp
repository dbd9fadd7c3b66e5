#include "cube/cube.h"

namespace vx {

void Cube::setSquarecolor(int a, int b, int f, int colour) {
    color_[index(a, b, f)] = static_cast<std::uint8_t>(colour);
    snapshotStale_ = true;
}

void Cube::setSquarecopy(int a, int b, int f, int colour) {
    copy_[index(a, b, f)] = static_cast<std::uint8_t>(colour);
    snapshotStale_ = true;
}

const TurnTables& Cube::tables(int n) {
    if (!tables_ || tables_->size() != n) {
        tables_ = std::make_shared<const TurnTables>(n);
        // lastMoved_ pointed into the old tables.
        snapshotStale_ = true;
        lastMoved_ = {};
    }
    return *tables_;
}

void Cube::takeSnapshot() {
    if (snapshotStale_) {
        copy_ = color_;
        snapshotStale_ = false;
    } else {
        for (const SquarePair& p : lastMoved_) copy_[p.dst] = color_[p.dst];
    }
    lastMoved_ = {};
}

void Cube::move(std::span<const SquarePair> pairs) {
    if (pairs.empty()) return;
    takeSnapshot();
    for (const SquarePair& p : pairs) color_[p.dst] = copy_[p.src];
    lastMoved_ = pairs;
}

void Cube::turn(const PhysicalMove& m, int n) {
    if (n < kMinCubeSize || n > kMaxCubeSize) return;
    move(tables(n).layer(m));
}

void Cube::turnWhole(int axis, int quarter, int n) {
    if (n < kMinCubeSize || n > kMaxCubeSize) return;
    move(tables(n).whole(axis, quarter));
}

bool Cube::solved(int n) const {
    for (int f = 1; f <= 6; ++f) {
        const int first = squarecolor(1, 1, f);
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (squarecolor(a, b, f) != first) return false;
    }
    return true;
}

}  // namespace vx
