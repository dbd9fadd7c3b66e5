#include "cube/cube.h"

namespace vx {

int Cube::squarecopy(int a, int b, int f) const {
    const int i = index(a, b, f);
    if (lastMoved_.empty()) return copy_[i];
    for (const SquareCycle& c : lastMoved_)
        for (std::size_t j = 0; j < 4; ++j)
            if (c.at[j] == i) return color_[c.at[(j + 1) & 3]];
    return color_[i];
}

void Cube::keepSnapshot() {
    if (lastMoved_.empty()) return;
    copy_ = color_;
    for (const SquareCycle& c : lastMoved_)
        for (std::size_t j = 0; j < 4; ++j) copy_[c.at[j]] = color_[c.at[(j + 1) & 3]];
    lastMoved_ = {};
}

void Cube::setSquarecolor(int a, int b, int f, int colour) {
    keepSnapshot();
    color_[index(a, b, f)] = static_cast<std::uint8_t>(colour);
}

void Cube::setSquarecopy(int a, int b, int f, int colour) {
    keepSnapshot();
    copy_[index(a, b, f)] = static_cast<std::uint8_t>(colour);
}

void Cube::newTables(int n) {
    // lastMoved_ points into the tables being replaced.
    keepSnapshot();
    tables_ = std::make_shared<const TurnTables>(n);
}

void Cube::move(std::span<const SquareCycle> cycles) {
    if (cycles.empty()) return;
    for (const SquareCycle& c : cycles) {
        const std::uint8_t last = color_[c.at[3]];
        color_[c.at[3]] = color_[c.at[2]];
        color_[c.at[2]] = color_[c.at[1]];
        color_[c.at[1]] = color_[c.at[0]];
        color_[c.at[0]] = last;
    }
    lastMoved_ = cycles;
}

void Cube::turnWhole(int axis, int quarter, int n) { move(tables(n).whole(axis, quarter)); }

bool Cube::solved(int n) const {
    for (int f = 1; f <= 6; ++f) {
        const int first = squarecolor(1, 1, f);
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (squarecolor(a, b, f) != first) return false;
    }
    return true;
}

bool Cube::sameSquares(const Cube& other, int n) const {
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a)
                if (squarecolor(a, b, f) != other.squarecolor(a, b, f)) return false;
    return true;
}

}  // namespace vx
