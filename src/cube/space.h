#pragma once
#include <array>

#include "cube/view.h"

namespace vx {

// Whole-number vectors in the reference view's frame: x right, y up, z out
// of the screen towards the player.
struct Vec3 {
    int x = 0, y = 0, z = 0;
    constexpr int operator[](int i) const { return i == 0 ? x : i == 1 ? y : z; }
    friend bool operator==(const Vec3&, const Vec3&) = default;
    friend constexpr Vec3 operator-(Vec3 v) { return {-v.x, -v.y, -v.z}; }
    friend constexpr Vec3 operator+(Vec3 a, Vec3 b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
    friend constexpr Vec3 operator*(int k, Vec3 v) { return {k * v.x, k * v.y, k * v.z}; }
};

inline int dot(Vec3 a, Vec3 b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
inline Vec3 cross(Vec3 a, Vec3 b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
inline Vec3 unit(int axis, int sign = 1) {
    Vec3 v;
    (axis == 0 ? v.x : axis == 1 ? v.y : v.z) = sign;
    return v;
}

// A face's outward direction n, grid-column direction u and grid-row
// direction v.
struct FaceFrame {
    Vec3 n, u, v;
};

inline constexpr std::array<FaceFrame, 7> kFaceFrames = {{
    {},
    {{0, 0, 1}, {1, 0, 0}, {0, -1, 0}},   // 1 front
    {{0, 1, 0}, {1, 0, 0}, {0, 0, 1}},    // 2 top
    {{0, 0, -1}, {1, 0, 0}, {0, 1, 0}},   // 3 back
    {{0, -1, 0}, {1, 0, 0}, {0, 0, -1}},  // 4 bottom
    {{-1, 0, 0}, {0, 0, 1}, {0, -1, 0}},  // 5 left
    {{1, 0, 0}, {0, 0, -1}, {0, -1, 0}},  // 6 right
}};

// Position of square (a, b) of face f on an n-cube spanning -n..n.
inline Vec3 squarePosition(int a, int b, int f, int n) {
    const FaceFrame& fr = kFaceFrames[f];
    return n * fr.n + (2 * a - n - 1) * fr.u + (2 * b - n - 1) * fr.v;
}

struct FaceSquare {
    int a = 0, b = 0, f = 0;
};

// The square at a position (the inverse of squarePosition).
FaceSquare squareAt(Vec3 p, int n);

// The face whose outward direction is d.
int faceFacing(Vec3 d);

// The quarter turn P -> (P.w) w + w x P about the unit direction w.
inline Vec3 quarterTurn(Vec3 p, Vec3 w) { return dot(p, w) * w + cross(w, p); }

// The screen's right and down directions for the front face of a view, and
// the direction out of the screen: the face's frame turned by the view's
// turn. Looked up on every layer turn: kept inline.
struct ScreenFrame {
    Vec3 right, down, out;
};
inline ScreenFrame screenFrame(View v) {
    const FaceFrame& fr = kFaceFrames[static_cast<std::size_t>(v.face)];
    switch (v.turn) {
    case 2: return {-fr.v, fr.u, fr.n};
    case 3: return {-fr.u, -fr.v, fr.n};
    case 4: return {fr.v, -fr.u, fr.n};
    default: return {fr.u, fr.v, fr.n};
    }
}

// A direction along an axis of the frame: the axis (0 x, 1 y, 2 z, as
// PhysicalMove counts them) and its sign.
struct SignedAxis {
    int axis = 0;
    int sign = 0;
};
constexpr SignedAxis signedAxis(Vec3 d) {
    if (d.x != 0) return {0, d.x};
    if (d.y != 0) return {1, d.y};
    return {2, d.z};
}

}  // namespace vx
