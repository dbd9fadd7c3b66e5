#pragma once
// Turns of the whole cube, and what a layer turn becomes when the cube is
// seen turned: used to solve a turned copy of a cube and carry the moves back,
// and to let a middle layer stand in for its two outer neighbours.
#include <array>

#include "cube/space.h"
#include "cube/turn_tables.h"

namespace vx::solver {

class Rotation {
public:
    Rotation() = default;
    // A quarter turn of the whole cube, as Cube::turnWhole(axis, quarter) makes it.
    static Rotation quarter(int axis, int quarter);

    Vec3 operator()(Vec3 v) const { return v.x * image_[0] + v.y * image_[1] + v.z * image_[2]; }
    // This rotation, then `next`.
    Rotation then(const Rotation& next) const;
    Rotation inverse() const;
    friend bool operator==(const Rotation&, const Rotation&) = default;

private:
    std::array<Vec3, 3> image_{unit(0), unit(1), unit(2)};  // where each axis goes
};

// The layer turn `m` of an n-cube as it is on the cube turned by `r`: the turn
// r m r^-1.
PhysicalMove rotated(const PhysicalMove& m, const Rotation& r, int n);

}  // namespace vx::solver
