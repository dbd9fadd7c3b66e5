#include "solver/three/coords.h"

#include <algorithm>

#include "solver/ranking.h"

namespace vx::solver::three {
namespace {

std::array<PieceMove, kFaceTurns> makeFaceTurns() {
    std::array<PieceMove, kFaceTurns> turns{};
    for (int t = 0; t < kFaceTurns; ++t) {
        const PhysicalMove quarter{axisOf(t), faceOf(t) % 2 == 0 ? 1 : 3, kindOf(t) == 1 ? -1 : 1};
        const PieceMove once = pieceMove(quarter, 3);
        // Twice: the pieces as the first turn left them, turned again.
        const Pieces after = apply(Pieces{once.cornerFrom, once.cornerTwist, once.edgeFrom, once.edgeFlip}, once);
        turns[static_cast<std::size_t>(t)] = kindOf(t) == 2 ? PieceMove{after.cp, after.co, after.ep, after.eo} : once;
    }
    return turns;
}

int quarters(int amount) {
    const int a = ((amount % 4) + 4) % 4;
    return a == 3 ? 1 : a;
}

std::array<PieceMove, kCombos> makeCombos() {
    std::array<PieceMove, kCombos> combos{};
    for (int c = 0; c < kCombos; ++c) {
        Pieces p;
        for (int far = 0; far < 2; ++far)
            if (const int a = comboAmount(c, far); a != 0) p = apply(p, faceTurn(faceTurnOf(comboAxis(c), far, a)));
        combos[static_cast<std::size_t>(c)] = PieceMove{p.cp, p.co, p.ep, p.eo};
    }
    return combos;
}

template <std::size_t K>
int orientation(const std::array<std::uint8_t, K>& o, int base) {
    int v = 0;
    for (std::size_t i = 0; i + 1 < K; ++i) v = v * base + o[i];
    return v;
}

template <std::size_t K>
void setOrientation(std::array<std::uint8_t, K>& o, int v, int base) {
    int sum = 0;
    for (std::size_t i = K - 1; i-- > 0;) {
        o[i] = static_cast<std::uint8_t>(v % base);
        sum += o[i];
        v /= base;
    }
    o[K - 1] = static_cast<std::uint8_t>((base - sum % base) % base);
}

}  // namespace

const PieceMove& faceTurn(int t) {
    static const std::array<PieceMove, kFaceTurns> turns = makeFaceTurns();
    return turns[static_cast<std::size_t>(t)];
}

int comboCost(int c, bool slices) {
    const int a1 = comboAmount(c, 0), a3 = comboAmount(c, 1);
    int best = quarters(a1) + quarters(a3);
    // Turning the whole cube by w takes w off every layer, the middle one too.
    for (int w = 1; slices && w < 4; ++w) best = std::min(best, quarters(a1 - w) + quarters(-w) + quarters(a3 - w));
    return best;
}

const PieceMove& comboMove(int c) {
    static const std::array<PieceMove, kCombos> combos = makeCombos();
    return combos[static_cast<std::size_t>(c)];
}

int twist(const Pieces& p) { return orientation(p.co, 3); }
int flip(const Pieces& p) { return orientation(p.eo, 2); }

int slice(const Pieces& p) {
    int rank = 0, found = 0;
    for (int j = 0; j < kEdges; ++j)
        if (p.ep[static_cast<std::size_t>(j)] >= 8) rank += choose(j, ++found);
    return rank;
}

int cornerPerm(const Pieces& p) { return permutationRank(p.cp); }

int edgePerm(const Pieces& p) {
    std::array<std::uint8_t, 8> e{};
    for (std::size_t i = 0; i < 8; ++i) e[i] = p.ep[i];
    return permutationRank(e);
}

int slicePerm(const Pieces& p) {
    std::array<std::uint8_t, 4> e{};
    for (std::size_t i = 0; i < 4; ++i) e[i] = static_cast<std::uint8_t>(p.ep[8 + i] - 8);
    return permutationRank(e);
}

Pieces withTwist(int t) {
    Pieces p;
    setOrientation(p.co, t, 3);
    return p;
}

Pieces withFlip(int f) {
    Pieces p;
    setOrientation(p.eo, f, 2);
    return p;
}

Pieces withSlice(int s) {
    Pieces p;
    std::array<bool, kEdges> middle{};
    for (int k = 4, j = kEdges - 1; k > 0; --k) {
        while (choose(j, k) > s) --j;
        s -= choose(j, k);
        middle[static_cast<std::size_t>(j--)] = true;
    }
    std::uint8_t other = 0, mid = 8;
    for (std::size_t j = 0; j < kEdges; ++j) p.ep[j] = middle[j] ? mid++ : other++;
    return p;
}

Pieces withCornerPerm(int c) {
    Pieces p;
    p.cp = permutationOfRank<8>(c);
    return p;
}

Pieces withEdgePerm(int e) {
    Pieces p;
    const auto eight = permutationOfRank<8>(e);
    for (std::size_t i = 0; i < 8; ++i) p.ep[i] = eight[i];
    return p;
}

Pieces withSlicePerm(int s) {
    Pieces p;
    const auto four = permutationOfRank<4>(s);
    for (std::size_t i = 0; i < 4; ++i) p.ep[8 + i] = static_cast<std::uint8_t>(four[i] + 8);
    return p;
}

}  // namespace vx::solver::three
