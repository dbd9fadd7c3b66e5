#pragma once
#include <array>
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

// A quarter turn moves squares round in fours: the colour at at[0] goes to
// at[1], at[1]'s to at[2], at[2]'s to at[3] and at[3]'s back to at[0]. The
// entries are indexes into the cube's arrays. (A face centre stays put and is
// in no cycle.)
struct SquareCycle {
    std::array<std::uint16_t, 4> at;
};

// Every turn of an n-cube as a list of square cycles, worked out once from the
// positions of the squares in space.
class TurnTables {
public:
    explicit TurnTables(int n);
    int size() const { return n_; }
    // The turns are looked up on every layer turn: kept inline.
    std::span<const SquareCycle> layer(const PhysicalMove& m) const {
        if (m.axis < 0 || m.axis > 2 || m.layer < 1 || m.layer > n_ || (m.quarter != 1 && m.quarter != -1)) return {};
        return cycles(slot(m.axis, m.quarter, m.layer));
    }
    std::span<const SquareCycle> whole(int axis, int quarter) const;

private:
    int n_;
    std::vector<SquareCycle> cycles_;
    // [axis][quarter +1 / -1][layer 0..n] (layer 0: the whole cube)
    std::vector<std::uint32_t> begin_;
    std::vector<std::uint32_t> end_;
    std::size_t slot(int axis, int quarter, int layer) const {
        return (static_cast<std::size_t>(axis) * 2 + (quarter > 0 ? 0 : 1)) * static_cast<std::size_t>(n_ + 1) +
               static_cast<std::size_t>(layer);
    }
    std::span<const SquareCycle> cycles(std::size_t s) const {
        return {cycles_.data() + begin_[s], cycles_.data() + end_[s]};
    }
};

}  // namespace vx
