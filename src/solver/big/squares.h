#pragma once
// A part of a big cube's squares (its centres, say, or its edges) in a compact
// numbering, and where every single-layer quarter turn takes each of them.
// The phases of the big-cube solver search on these rather than on the whole
// cube: a turn then touches only the squares that phase looks at.
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "cube/cube.h"
#include "cube/space.h"
#include "cube/turn_tables.h"

namespace vx::solver::big {

using Colours = std::vector<std::uint8_t>;

// The outer layer of face f (1..6) as a turn; quarter as in PhysicalMove.
PhysicalMove faceTurn(int f, int quarter, int n);
// The axis a face's outward direction lies along, and its sign.
int faceAxis(int f);
int faceSign(int f);
// The face whose outward direction is the quarter turn of face f's about the axis.
int turnedFace(int f, int axis, int quarter);

class SquareSet {
public:
    // The squares (a, b, f) for which `keep` holds; every turn must take kept
    // squares to kept squares.
    SquareSet(int n, const std::function<bool(int a, int b)>& keep);

    int n() const { return n_; }
    int size() const { return static_cast<int>(squares_.size()); }
    const FaceSquare& square(int i) const { return squares_[static_cast<std::size_t>(i)]; }
    int face(int i) const { return squares_[static_cast<std::size_t>(i)].f; }
    // The compact number of square (a, b, f), or -1.
    int find(int a, int b, int f) const { return compact_[static_cast<std::size_t>(Cube::index(a, b, f))]; }
    // The layer (1..n) along `axis` that square i lies in.
    int layer(int i, int axis) const {
        return layers_[static_cast<std::size_t>(i) * 3 + static_cast<std::size_t>(axis)];
    }

    // Where the colour on square i goes when m is made.
    int image(const PhysicalMove& m, int i) const { return images_[slot(m)][static_cast<std::size_t>(i)]; }
    void turn(Colours& c, const PhysicalMove& m) const;
    void turn(Colours& c, const std::vector<PhysicalMove>& ms) const {
        for (const auto& m : ms) turn(c, m);
    }
    // Where the colour on square i goes when the moves are made in order.
    int image(const std::vector<PhysicalMove>& ms, int i) const {
        for (const auto& m : ms) i = image(m, i);
        return i;
    }

    Colours read(const Cube& cube) const;

private:
    std::size_t slot(const PhysicalMove& m) const {
        return static_cast<std::size_t>((m.axis * n_ + m.layer - 1) * 2 + (m.quarter > 0 ? 0 : 1));
    }
    int n_;
    std::vector<FaceSquare> squares_;
    std::vector<int> compact_;
    std::vector<int> layers_;
    std::vector<std::vector<std::array<std::uint16_t, 4>>> cycles_;
    std::vector<std::vector<std::uint16_t>> images_;
};

}  // namespace vx::solver::big
