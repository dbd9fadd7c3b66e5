#pragma once
#include <cstdint>
#include <memory>
#include <span>
#include <vector>

namespace vx {

// A quarter turn of one slab in absolute terms: the axis it turns about
// (0 = x to the right, 1 = y up, 2 = z towards the player in the reference
// view), the slab (1..n, 1 at the negative end of the axis) and the sense
// (+1 = a right-handed quarter turn about the positive axis, -1 the other way).
struct PhysicalMove {
    int axis = 0;
    int layer = 1;
    int quarter = 1;
    friend bool operator==(const PhysicalMove&, const PhysicalMove&) = default;
};

// One square's move in a turn: squarecolor[dst] = squarecopy[src], as indexes
// into the cube's arrays.
struct SquarePair {
    std::uint16_t dst;
    std::uint16_t src;
};

// Every turn of an n-cube as a list of square moves, worked out once from the
// positions of the squares in space.
class TurnTables {
public:
    explicit TurnTables(int n);
    int size() const { return n_; }
    std::span<const SquarePair> layer(const PhysicalMove& m) const;
    std::span<const SquarePair> whole(int axis, int quarter) const;

private:
    int n_;
    std::vector<SquarePair> pairs_;
    // [axis][quarter +1 / -1][layer 0..n] (layer 0: the whole cube)
    std::vector<std::uint32_t> begin_;
    std::vector<std::uint32_t> end_;
    std::size_t slot(int axis, int quarter, int layer) const;
};

}  // namespace vx
