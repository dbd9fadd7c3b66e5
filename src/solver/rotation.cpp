#include "solver/rotation.h"

namespace vx::solver {

Rotation Rotation::quarter(int axis, int q) {
    Rotation r;
    const Vec3 w = unit(axis, q);
    for (int i = 0; i < 3; ++i) r.image_[static_cast<std::size_t>(i)] = quarterTurn(unit(i), w);
    return r;
}

Rotation Rotation::then(const Rotation& next) const {
    Rotation r;
    for (std::size_t i = 0; i < 3; ++i) r.image_[i] = next(image_[i]);
    return r;
}

Rotation Rotation::inverse() const {
    // A rotation's inverse is its transpose.
    Rotation r;
    for (int i = 0; i < 3; ++i) r.image_[static_cast<std::size_t>(i)] = {image_[0][i], image_[1][i], image_[2][i]};
    return r;
}

PhysicalMove rotated(const PhysicalMove& m, const Rotation& r, int n) {
    const Vec3 about = r(unit(m.axis));
    int axis = 0;
    while (about[axis] == 0) ++axis;
    const int sign = about[axis];
    // Layers by their place along the axis: 2 * layer - n - 1 runs -(n-1)..n-1.
    const int place = sign * (2 * m.layer - n - 1);
    return {axis, (place + n + 1) / 2, m.quarter * sign};
}

}  // namespace vx::solver
