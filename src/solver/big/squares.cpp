#include "solver/big/squares.h"

namespace vx::solver::big {

int faceAxis(int f) {
    const Vec3 d = kFaceFrames[static_cast<std::size_t>(f)].n;
    return d.x != 0 ? 0 : d.y != 0 ? 1 : 2;
}

int faceSign(int f) { return kFaceFrames[static_cast<std::size_t>(f)].n[faceAxis(f)]; }

PhysicalMove faceTurn(int f, int quarter, int n) { return {faceAxis(f), faceSign(f) > 0 ? n : 1, quarter}; }

int turnedFace(int f, int axis, int quarter) {
    return faceFacing(quarterTurn(kFaceFrames[static_cast<std::size_t>(f)].n, unit(axis, quarter)));
}

SquareSet::SquareSet(int n, const std::function<bool(int a, int b)>& keep)
    : n_(n), compact_(8 * Cube::kBound * Cube::kBound, -1) {
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (keep(a, b)) {
                    compact_[static_cast<std::size_t>(Cube::index(a, b, f))] = static_cast<int>(squares_.size());
                    squares_.push_back({a, b, f});
                    const Vec3 p = squarePosition(a, b, f, n);
                    for (int axis = 0; axis < 3; ++axis) {
                        // An outer square lies in the outer layer of its face's side.
                        const int c = p[axis];
                        layers_.push_back(c >= n ? n : c <= -n ? 1 : (c + n + 1) / 2);
                    }
                }
    const TurnTables tables(n);
    cycles_.resize(static_cast<std::size_t>(6 * n));
    images_.resize(static_cast<std::size_t>(6 * n));
    for (int axis = 0; axis < 3; ++axis)
        for (int layer = 1; layer <= n; ++layer)
            for (int quarter : {1, -1}) {
                const PhysicalMove m{axis, layer, quarter};
                auto& cycles = cycles_[slot(m)];
                auto& image = images_[slot(m)];
                image.resize(squares_.size());
                for (std::size_t i = 0; i < image.size(); ++i) image[i] = static_cast<std::uint16_t>(i);
                for (const SquareCycle& c : tables.layer(m)) {
                    const int first = compact_[c.at[0]];
                    if (first < 0) continue;
                    std::array<std::uint16_t, 4> at{};
                    for (int k = 0; k < 4; ++k)
                        at[static_cast<std::size_t>(k)] =
                            static_cast<std::uint16_t>(compact_[c.at[static_cast<std::size_t>(k)]]);
                    for (int k = 0; k < 4; ++k)
                        image[at[static_cast<std::size_t>(k)]] = at[static_cast<std::size_t>((k + 1) % 4)];
                    cycles.push_back(at);
                }
            }
}

void SquareSet::turn(Colours& c, const PhysicalMove& m) const {
    for (const auto& at : cycles_[slot(m)]) {
        const std::uint8_t last = c[at[3]];
        c[at[3]] = c[at[2]];
        c[at[2]] = c[at[1]];
        c[at[1]] = c[at[0]];
        c[at[0]] = last;
    }
}

Colours SquareSet::read(const Cube& cube) const {
    Colours c(squares_.size());
    for (std::size_t i = 0; i < c.size(); ++i)
        c[i] = static_cast<std::uint8_t>(cube.squarecolor(squares_[i].a, squares_[i].b, squares_[i].f));
    return c;
}

}  // namespace vx::solver::big
