#pragma once
// A cube whose every square can be traced through turns: three cubes coloured
// with a square's column, row and face number, turned together.
#include <array>
#include <optional>

#include "cube/cube.h"
#include "cube/layer_turn.h"

namespace vx::test {

struct Origin {
    int a = 0, b = 0, f = 0;
    friend bool operator==(const Origin&, const Origin&) = default;
};

class LabelledCube {
public:
    explicit LabelledCube(int n) : n_(n), byA_(prepared(n)), byB_(byA_), byF_(byA_) {
        for (int f = 1; f <= 6; ++f)
            for (int b = 1; b <= n; ++b)
                for (int a = 1; a <= n; ++a) {
                    byA_.setSquarecolor(a, b, f, a);
                    byB_.setSquarecolor(a, b, f, b);
                    byF_.setSquarecolor(a, b, f, f);
                }
    }
    int size() const { return n_; }
    // Where the square now at (a, b, f) came from.
    Origin origin(int a, int b, int f) const {
        return {byA_.squarecolor(a, b, f), byB_.squarecolor(a, b, f), byF_.squarecolor(a, b, f)};
    }
    void turn(const PhysicalMove& m) { forEach([&](Cube& c) { c.turn(m, n_); }); }
    void turnWhole(int axis, int quarter) { forEach([&](Cube& c) { c.turnWhole(axis, quarter, n_); }); }
    int layerTurn(View v, const ScreenMove& m) {
        int dir = 0;
        forEach([&](Cube& c) { dir = vx::layerTurn(c, v, m, n_); });
        return dir;
    }
    bool unchanged() const {
        for (int f = 1; f <= 6; ++f)
            for (int b = 1; b <= n_; ++b)
                for (int a = 1; a <= n_; ++a)
                    if (!(origin(a, b, f) == Origin{a, b, f})) return false;
        return true;
    }
    // Number of squares no longer at their starting place.
    int movedCount() const {
        int moved = 0;
        for (int f = 1; f <= 6; ++f)
            for (int b = 1; b <= n_; ++b)
                for (int a = 1; a <= n_; ++a) moved += !(origin(a, b, f) == Origin{a, b, f});
        return moved;
    }
    friend bool operator==(const LabelledCube& x, const LabelledCube& y) {
        for (int f = 1; f <= 6; ++f)
            for (int b = 1; b <= x.n_; ++b)
                for (int a = 1; a <= x.n_; ++a)
                    if (!(x.origin(a, b, f) == y.origin(a, b, f))) return false;
        return true;
    }

private:
    // Cubes of one size share their turn tables: building them for every
    // traced cube would make the tests crawl.
    static const Cube& prepared(int n) {
        static std::array<std::optional<Cube>, 21> cubes;
        auto& cube = cubes.at(static_cast<std::size_t>(n));
        if (!cube) {
            cube.emplace();
            cube->prepare(n);
        }
        return *cube;
    }

    template <class F>
    void forEach(F f) {
        f(byA_);
        f(byB_);
        f(byF_);
    }
    int n_;
    Cube byA_, byB_, byF_;
};

}  // namespace vx::test
