#pragma once
// The solution as it grows. Turns of one layer that follow each other (with
// nothing between them but turns of other layers about the same axis, which
// commute with them) are merged: a quarter and its inverse vanish, three
// quarters become one.
#include <vector>

#include "cube/turn_tables.h"

namespace vx::solver::big {

class MoveList {
public:
    void add(const PhysicalMove& m);
    void add(const std::vector<PhysicalMove>& ms) {
        for (const auto& m : ms) add(m);
    }
    // Single-layer quarter turns, a half turn as two.
    std::vector<PhysicalMove> moves() const;
    int length() const;
    // The turns about the axis the list ends with: those that turns added
    // next may cancel or merge with.
    MoveList lastAxis() const;
    // What the moves would add to the length of this list.
    int addedLength(const std::vector<PhysicalMove>& ms) const {
        MoveList t = *this;
        t.add(ms);
        return t.length() - length();
    }

private:
    struct Step {
        int axis, layer, quarters;  // quarters 1..3 about the positive axis
    };
    std::vector<Step> steps_;
};

}  // namespace vx::solver::big
