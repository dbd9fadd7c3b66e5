#include "solver/two/two_solver.h"

#include <optional>
#include <set>
#include <vector>

#include "solver/pieces.h"
#include "solver/ranking.h"

namespace vx::solver {
namespace {

constexpr int kPerms = factorial(7);  // the seven corners that move
constexpr int kTwists = 729;          // 3^6: the seventh twist follows
constexpr int kMoves = 6;             // the three far faces, either way
constexpr std::uint8_t kUnknown = 0xff;

PhysicalMove moveOf(int m) { return {m / 2, 2, m % 2 == 0 ? 1 : -1}; }

int permCoord(const Pieces& p) {
    std::array<std::uint8_t, 7> seven{};
    for (std::size_t i = 0; i < 7; ++i) seven[i] = p.cp[i];
    return permutationRank(seven);
}

int twistCoord(const Pieces& p) {
    int t = 0;
    for (std::size_t i = 0; i < 6; ++i) t = t * 3 + p.co[i];
    return t;
}

Pieces fromCoords(int perm, int twist) {
    Pieces p;
    const auto seven = permutationOfRank<7>(perm);
    for (std::size_t i = 0; i < 7; ++i) p.cp[i] = seven[i];
    int sum = 0;
    for (std::size_t i = 6; i-- > 0;) {
        p.co[i] = static_cast<std::uint8_t>(twist % 3);
        sum += p.co[i];
        twist /= 3;
    }
    p.co[6] = static_cast<std::uint8_t>((3 - sum % 3) % 3);
    return p;
}

// Move tables for both coordinates and the distance of every position.
struct TwoTables {
    std::vector<std::uint16_t> permMove, twistMove;
    std::vector<std::uint8_t> distance;

    TwoTables() : permMove(kPerms * kMoves), twistMove(kTwists * kMoves), distance(kPerms * kTwists, kUnknown) {
        std::array<PieceMove, kMoves> moves{};
        for (int m = 0; m < kMoves; ++m) moves[m] = pieceMove(moveOf(m), 2);
        for (int c = 0; c < kPerms; ++c)
            for (int m = 0; m < kMoves; ++m)
                permMove[c * kMoves + m] = static_cast<std::uint16_t>(permCoord(apply(fromCoords(c, 0), moves[m])));
        for (int c = 0; c < kTwists; ++c)
            for (int m = 0; m < kMoves; ++m)
                twistMove[c * kMoves + m] = static_cast<std::uint16_t>(twistCoord(apply(fromCoords(0, c), moves[m])));
        std::vector<std::uint32_t> frontier{0}, next;
        distance[0] = 0;
        for (std::uint8_t d = 1; !frontier.empty(); ++d) {
            next.clear();
            for (std::uint32_t s : frontier)
                for (int m = 0; m < kMoves; ++m) {
                    const std::uint32_t t = step(s, m);
                    if (distance[t] != kUnknown) continue;
                    distance[t] = d;
                    next.push_back(t);
                }
            frontier.swap(next);
        }
    }
    std::uint32_t step(std::uint32_t s, int m) const {
        const std::uint32_t perm = s / kTwists, twist = s % kTwists;
        return permMove[perm * kMoves + m] * kTwists + twistMove[twist * kMoves + m];
    }
};

const TwoTables& tables() {
    static const TwoTables t;
    return t;
}

// Reads which face each colour belongs to, taking the fixed corner's three
// colours as its faces and their opposites as the faces across.
Verdict readFaces(const Cube& cube, ColourFaces& faces) {
    faces.fill(0);
    std::array<std::set<int>, 256> meets;
    for (const Slot& s : cornerSlots(2))
        for (const FaceSquare& q : s.squares)
            for (const FaceSquare& r : s.squares)
                meets[cube.squarecolor(q.a, q.b, q.f)].insert(cube.squarecolor(r.a, r.b, r.f));
    const Verdict impossible{Refusal::badCorners, "A corner has colours that no corner has."};
    for (const FaceSquare& q : cornerSlots(2)[7].squares) {
        const int c = cube.squarecolor(q.a, q.b, q.f);
        if (faces[c] != 0 || meets[c].size() != 5) return impossible;
        faces[c] = q.f;
    }
    for (const FaceSquare& q : cornerSlots(2)[7].squares) {
        const int c = cube.squarecolor(q.a, q.b, q.f);
        const int across = faceFacing(-kFaceFrames[q.f].n);
        for (int other = 1; other < 256; ++other) {
            if (other == c || meets[other].empty() || meets[c].contains(other)) continue;
            if (faces[other] != 0) return impossible;
            faces[other] = across;
        }
    }
    return {};
}

std::optional<std::uint32_t> position(const Cube& cube, Verdict& v) {
    v = checkColourCounts(cube, 2);
    if (!v.ok()) return std::nullopt;
    ColourFaces faces{};
    v = readFaces(cube, faces);
    if (!v.ok()) return std::nullopt;
    Pieces p;
    v = readPieces(cube, 2, faces, p);
    if (!v.ok()) return std::nullopt;
    return static_cast<std::uint32_t>(permCoord(p) * kTwists + twistCoord(p));
}

}  // namespace

void prepareTwo() { tables(); }

std::size_t buildTwoTables() {
    const TwoTables t;
    return t.permMove.size() * 2 + t.twistMove.size() * 2 + t.distance.size();
}

Solution solveTwo(const Cube& cube) {
    Solution out;
    Verdict v;
    const auto start = position(cube, v);
    if (!start) {
        out.refusal = v.refusal;
        out.reason = v.reason;
        return out;
    }
    const TwoTables& t = tables();
    // Every position has a move one step nearer to solved.
    for (std::uint32_t s = *start; t.distance[s] > 0;) {
        int m = 0;
        while (m < kMoves && t.distance[t.step(s, m)] + 1 != t.distance[s]) ++m;
        if (m == kMoves) break;  // never: the table is complete
        out.moves.push_back(moveOf(m));
        s = t.step(s, m);
    }
    return out;
}

std::vector<long> twoDistanceCounts() {
    std::vector<long> counts;
    for (std::uint8_t d : tables().distance) {
        if (d >= counts.size()) counts.resize(d + 1u, 0);
        ++counts[d];
    }
    return counts;
}

int twoDistance(const Cube& cube) {
    Verdict v;
    const auto start = position(cube, v);
    return start ? tables().distance[*start] : -1;
}

}  // namespace vx::solver
