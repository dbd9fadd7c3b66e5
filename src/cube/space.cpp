#include "cube/space.h"

namespace vx {

int faceFacing(Vec3 d) {
    for (int f = 1; f <= 6; ++f)
        if (kFaceFrames[f].n == d) return f;
    return 0;
}

FaceSquare squareAt(Vec3 p, int n) {
    for (int axis = 0; axis < 3; ++axis) {
        if (p[axis] != n && p[axis] != -n) continue;
        const int f = faceFacing(unit(axis, p[axis] > 0 ? 1 : -1));
        const FaceFrame& fr = kFaceFrames[f];
        return {(dot(p, fr.u) + n + 1) / 2, (dot(p, fr.v) + n + 1) / 2, f};
    }
    return {};
}

}  // namespace vx
