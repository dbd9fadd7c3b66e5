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
        forEachSquare([&](int a, int b, int f) {
            byA_.setSquarecolor(a, b, f, a);
            byB_.setSquarecolor(a, b, f, b);
            byF_.setSquarecolor(a, b, f, f);
        });
    }
    // Where the square now at (a, b, f) came from.
    Origin origin(int a, int b, int f) const {
        return {byA_.squarecolor(a, b, f), byB_.squarecolor(a, b, f), byF_.squarecolor(a, b, f)};
    }
    int layerTurn(View v, const ScreenMove& m) {
        int dir = 0;
        for (Cube* c : {&byA_, &byB_, &byF_}) dir = vx::layerTurn(*c, v, m, n_);
        return dir;
    }
    bool unchanged() const { return *this == LabelledCube(n_); }
    friend bool operator==(const LabelledCube& x, const LabelledCube& y) {
        bool same = true;
        x.forEachSquare([&](int a, int b, int f) { same = same && x.origin(a, b, f) == y.origin(a, b, f); });
        return same;
    }

private:
    template <class F>
    void forEachSquare(F f) const {
        for (int face = 1; face <= 6; ++face)
            for (int b = 1; b <= n_; ++b)
                for (int a = 1; a <= n_; ++a) f(a, b, face);
    }
    // Cubes of one size share their turn tables: building them for every
    // traced cube would make the tests crawl.
    static const Cube& prepared(int n) {
        static std::array<std::optional<Cube>, 21> cubes;
        auto& cube = cubes.at(static_cast<std::size_t>(n));
        if (!cube) cube.emplace().prepare(n);
        return *cube;
    }

    int n_;
    Cube byA_, byB_, byF_;
};

}  // namespace vx::test
