#include "solver/pieces.h"

#include <algorithm>
#include <map>

namespace vx::solver {
namespace {

Vec3 scaled(Vec3 s, int k) { return k * s; }

// The square on the face along `axis` of the piece at sign vector s.
FaceSquare squareOf(Vec3 s, int axis, int n) {
    const Vec3 p = scaled(s, n - 1) + unit(axis, s[axis]);
    return squareAt(p, n);
}

std::array<Slot, kCorners> makeCornerSlots(int n) {
    std::array<Slot, kCorners> slots{};
    int next = 0;
    for (int x : {1, -1})
        for (int y : {1, -1})
            for (int z : {1, -1}) {
                const Vec3 s{x, y, z};
                // Counter-clockwise from the top or bottom square.
                const bool rightHanded = x * y * z > 0;
                const std::array<int, 3> axes = rightHanded ? std::array{1, 2, 0} : std::array{1, 0, 2};
                Slot& slot = slots[static_cast<std::size_t>(next++)];
                for (int k = 0; k < 3; ++k) slot.squares[k] = squareOf(s, axes[k], n);
            }
    return slots;  // (+,+,+) first ... (-,-,-) last
}

std::array<Slot, kEdges> makeEdgeSlots() {
    std::array<Slot, kEdges> slots{};
    int next = 0;
    auto add = [&](Vec3 s, int first, int second) {
        Slot& slot = slots[static_cast<std::size_t>(next++)];
        slot.squares[0] = squareOf(s, first, 3);
        slot.squares[1] = squareOf(s, second, 3);
    };
    for (int y : {1, -1}) {
        add({0, y, 1}, 1, 2);
        add({1, y, 0}, 1, 0);
        add({0, y, -1}, 1, 2);
        add({-1, y, 0}, 1, 0);
    }
    for (int x : {1, -1})
        for (int z : {1, -1}) add({x, 0, z}, 2, 0);
    return slots;
}

int colourAt(const Cube& c, const FaceSquare& q) { return c.squarecolor(q.a, q.b, q.f); }

template <int K, std::size_t N>
void readMove(const Cube& turned, const std::array<Slot, N>& slots, std::array<std::uint8_t, N>& from,
              std::array<std::uint8_t, N>& shift) {
    for (std::size_t j = 0; j < N; ++j) {
        // Labels are 1 + slot * 3 + place.
        const int label = colourAt(turned, slots[j].squares[0]) - 1;
        const int place = label % 3;
        from[j] = static_cast<std::uint8_t>(label / 3);
        shift[j] = static_cast<std::uint8_t>((K - place) % K);
    }
}

template <int K, std::size_t N>
void paintLabels(Cube& c, const std::array<Slot, N>& slots) {
    for (std::size_t j = 0; j < N; ++j)
        for (int k = 0; k < K; ++k) {
            const FaceSquare& q = slots[j].squares[k];
            c.setSquarecolor(q.a, q.b, q.f, static_cast<int>(1 + j * 3 + k));
        }
}

// Finds the piece whose home squares show the faces `seen` (in slot order),
// and its orientation; false when there is none. `mirrored` tells a corner
// whose faces are right but run the wrong way round.
template <int K, std::size_t N>
bool identify(const std::array<Slot, N>& slots, const std::array<int, 3>& seen, std::uint8_t& piece,
              std::uint8_t& orientation, bool& mirrored) {
    for (std::size_t i = 0; i < N; ++i) {
        const auto& home = slots[i].squares;
        for (int o = 0; o < K; ++o) {
            bool forward = true, backward = true;
            for (int m = 0; m < K; ++m) {
                forward &= seen[(m + o) % K] == home[m].f;
                backward &= seen[(K + o - m) % K] == home[m].f;
            }
            if (forward) {
                piece = static_cast<std::uint8_t>(i);
                orientation = static_cast<std::uint8_t>(o);
                return true;
            }
            mirrored |= backward;
        }
    }
    return false;
}

template <int K, std::size_t N>
Verdict readKind(const Cube& cube, const std::array<Slot, N>& slots, const ColourFaces& faces,
                 std::array<std::uint8_t, N>& perm, std::array<std::uint8_t, N>& orient) {
    const bool corners = K == 3;
    const Refusal bad = corners ? Refusal::badCorners : Refusal::badEdges;
    std::array<bool, N> seenPiece{};
    int sum = 0;
    for (std::size_t j = 0; j < N; ++j) {
        std::array<int, 3> seen{};
        for (int k = 0; k < K; ++k) seen[k] = faces[static_cast<std::size_t>(colourAt(cube, slots[j].squares[k]))];
        bool mirrored = false;
        if (!identify<K>(slots, seen, perm[j], orient[j], mirrored)) {
            if (mirrored) return {bad, "A corner has its colours the wrong way round."};
            return {bad,
                    corners ? "A corner has colours that no corner has." : "An edge has colours that no edge has."};
        }
        if (seenPiece[perm[j]])
            return {bad, corners ? "Two corners have the same colours." : "Two edges have the same colours."};
        seenPiece[perm[j]] = true;
        sum += orient[j];
    }
    if (sum % K != 0) return {bad, corners ? "A corner is twisted." : "An edge is flipped."};
    return {};
}

}  // namespace

const std::array<Slot, kCorners>& cornerSlots(int n) {
    static const std::array<Slot, kCorners> two = makeCornerSlots(2);
    static const std::array<Slot, kCorners> three = makeCornerSlots(3);
    return n == 2 ? two : three;
}

const std::array<Slot, kEdges>& edgeSlots() {
    static const std::array<Slot, kEdges> slots = makeEdgeSlots();
    return slots;
}

PieceMove pieceMove(const PhysicalMove& m, int n) {
    Cube c;
    paintLabels<3>(c, cornerSlots(n));
    PieceMove out;
    if (n == 3) {
        Cube e;
        paintLabels<2>(e, edgeSlots());
        e.turn(m, n);
        readMove<2>(e, edgeSlots(), out.edgeFrom, out.edgeFlip);
    } else {
        for (std::size_t j = 0; j < kEdges; ++j) out.edgeFrom[j] = static_cast<std::uint8_t>(j);
    }
    c.turn(m, n);
    readMove<3>(c, cornerSlots(n), out.cornerFrom, out.cornerTwist);
    return out;
}

Pieces apply(const Pieces& p, const PieceMove& m) {
    Pieces r;
    for (std::size_t j = 0; j < kCorners; ++j) {
        r.cp[j] = p.cp[m.cornerFrom[j]];
        r.co[j] = static_cast<std::uint8_t>((p.co[m.cornerFrom[j]] + m.cornerTwist[j]) % 3);
    }
    for (std::size_t j = 0; j < kEdges; ++j) {
        r.ep[j] = p.ep[m.edgeFrom[j]];
        r.eo[j] = static_cast<std::uint8_t>((p.eo[m.edgeFrom[j]] + m.edgeFlip[j]) % 2);
    }
    return r;
}

Verdict checkColourCounts(const Cube& cube, int n) {
    std::map<int, int> count;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= n; ++b)
            for (int a = 1; a <= n; ++a) ++count[cube.squarecolor(a, b, f)];
    const bool six = count.size() == 6 && !count.contains(0) &&
                     std::all_of(count.begin(), count.end(), [&](const auto& c) { return c.second == n * n; });
    if (six) return {};
    return {Refusal::wrongColourCounts, "The cube needs six colours, each on " + std::to_string(n * n) + " squares."};
}

Verdict readPieces(const Cube& cube, int n, const ColourFaces& faces, Pieces& out) {
    out = Pieces{};
    Verdict v = readKind<3>(cube, cornerSlots(n), faces, out.cp, out.co);
    if (!v.ok() || n == 2) return v;
    v = readKind<2>(cube, edgeSlots(), faces, out.ep, out.eo);
    if (!v.ok()) return v;
    if (oddPermutation(out.cp) != oddPermutation(out.ep))
        return {Refusal::oddParity, "Two pieces are swapped: no turns can make this cube."};
    return {};
}

void paintPieces(Cube& cube, int n, const Pieces& p, const std::array<int, 7>& faceColour) {
    auto paint = [&](const auto& slots, const auto& perm, const auto& orient, int k) {
        for (std::size_t j = 0; j < slots.size(); ++j)
            for (int m = 0; m < k; ++m) {
                const FaceSquare& home = slots[perm[j]].squares[m];
                const FaceSquare& at = slots[j].squares[(m + orient[j]) % k];
                cube.setSquarecolor(at.a, at.b, at.f, faceColour[home.f]);
            }
    };
    paint(cornerSlots(n), p.cp, p.co, 3);
    if (n != 3) return;
    paint(edgeSlots(), p.ep, p.eo, 2);
    for (int f = 1; f <= 6; ++f) cube.setSquarecolor(2, 2, f, faceColour[f]);
}

}  // namespace vx::solver
