#pragma once
// A big cube random by state: every arrangement turns can make equally
// likely. Each centre orbit's pieces shuffled, each wing orbit's pieces in a
// random permutation (any parity: one inner turn changes it), the corners
// and, on odd cubes, the middle edges a random 3-cube state (its twists,
// flips and parity adding up), in six random colours, turned as a whole.
#include <algorithm>
#include <numeric>
#include <random>
#include <vector>

#include "solver/big/scheme.h"
#include "solver/big/squares.h"
#include "solver/random_states.h"

namespace vx::test {

inline Cube randomBigCube(int n, unsigned seed) {
    std::mt19937 rng(seed);
    const std::array<int, 7> colours = randomColours(rng);
    Cube c = solvedCube(n, colours);

    // Corners (and middle edges) from a random 3-cube, square for square.
    const Cube three = paintedCube(3, randomPieces(3, rng), colours);
    const int mid = (n + 1) / 2;
    for (int f = 1; f <= 6; ++f)
        for (int b = 1; b <= 3; ++b)
            for (int a = 1; a <= 3; ++a) {
                if ((a == 2 || b == 2) && n % 2 == 0) continue;
                auto big = [&](int k) { return k == 1 ? 1 : k == 3 ? n : mid; };
                c.setSquarecolor(big(a), big(b), f, three.squarecolor(a, b, f));
            }

    // Centre orbits: the squares one another's turns reach, found by joining
    // each square with its image under every turn.
    const solver::big::SquareSet centres(n, [n](int a, int b) { return a > 1 && a < n && b > 1 && b < n; });
    std::vector<int> root(static_cast<std::size_t>(centres.size()));
    std::iota(root.begin(), root.end(), 0);
    auto find = [&](int i) {
        while (root[static_cast<std::size_t>(i)] != i) i = root[static_cast<std::size_t>(i)];
        return i;
    };
    for (int axis = 0; axis < 3; ++axis)
        for (int layer = 1; layer <= n; ++layer)
            for (int i = 0; i < centres.size(); ++i) {
                const int p = find(i), q = find(centres.image({axis, layer, 1}, i));
                if (p != q) root[static_cast<std::size_t>(std::max(p, q))] = std::min(p, q);
            }
    std::vector<std::vector<int>> orbits(static_cast<std::size_t>(centres.size()));
    for (int i = 0; i < centres.size(); ++i) orbits[static_cast<std::size_t>(find(i))].push_back(i);
    for (const auto& orbit : orbits) {
        if (orbit.size() <= 6) continue;  // the middle centres stay: they say where each colour goes
        std::vector<int> shown;
        for (int i : orbit) shown.push_back(colours[static_cast<std::size_t>(centres.face(i))]);
        std::shuffle(shown.begin(), shown.end(), rng);
        for (std::size_t k = 0; k < orbit.size(); ++k) {
            const FaceSquare& s = centres.square(orbit[k]);
            c.setSquarecolor(s.a, s.b, s.f, shown[k]);
        }
    }

    // Wing orbits: the piece at home in place s goes to place perm[s], in
    // the one of its two forms that place takes.
    const std::vector<solver::big::EdgeSlot> slots = solver::big::edgeSlots(n);
    for (int k = 2; 2 * k < n + 1; ++k) {
        std::vector<const solver::big::EdgeSlot*> orbit;
        for (const auto& s : slots)
            if (s.layer == k || s.layer == n + 1 - k) orbit.push_back(&s);
        std::vector<std::size_t> perm(orbit.size());
        std::iota(perm.begin(), perm.end(), 0);
        std::shuffle(perm.begin(), perm.end(), rng);
        for (std::size_t s = 0; s < orbit.size(); ++s) {
            const auto& from = *orbit[s];
            const auto& to = *orbit[perm[s]];
            int x = colours[static_cast<std::size_t>(from.first.f)],
                y = colours[static_cast<std::size_t>(from.second.f)];
            if (!solver::big::wingFits(from, x, y, to, x, y, n)) std::swap(x, y);
            c.setSquarecolor(to.first.a, to.first.b, to.first.f, x);
            c.setSquarecolor(to.second.a, to.second.b, to.second.f, y);
        }
    }
    turnAtRandom(c, n, rng);
    return c;
}

}  // namespace vx::test
