#include "solver/big/scheme.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <tuple>

#include "solver/pieces.h"

namespace vx::solver::big {
namespace {

int det(Vec3 a, Vec3 b, Vec3 c) { return dot(a, cross(b, c)); }

int colourAt(const Cube& cube, const FaceSquare& s) { return cube.squarecolor(s.a, s.b, s.f); }

using CornerKey = std::array<int, 3>;

CornerKey cornerKey(std::array<int, 3> c) {
    const auto first = std::min_element(c.begin(), c.end());
    std::rotate(c.begin(), first, c.end());
    return c;
}

std::vector<CornerKey> actualCorners(const Cube& cube, int n) {
    std::vector<CornerKey> keys;
    for (const CornerSlot& slot : cornerSlots(n))
        keys.push_back(cornerKey({colourAt(cube, slot[0]), colourAt(cube, slot[1]), colourAt(cube, slot[2])}));
    std::sort(keys.begin(), keys.end());
    return keys;
}

bool cornersAllow(const std::vector<CornerKey>& actual, const FaceColours& t, int n) {
    std::vector<CornerKey> home;
    for (const CornerSlot& slot : cornerSlots(n)) home.push_back(cornerKey({t[slot[0].f], t[slot[1].f], t[slot[2].f]}));
    std::sort(home.begin(), home.end());
    return home == actual;
}

// Which of a wing's two mirror-image forms it is: unchanged by any turn.
using WingKey = std::tuple<int, int, bool>;

WingKey wingKey(const EdgeSlot& s, int x, int y, int n) {
    const Vec3 n1 = kFaceFrames[static_cast<std::size_t>(s.first.f)].n;
    const Vec3 n2 = kFaceFrames[static_cast<std::size_t>(s.second.f)].n;
    const Vec3 along = unit(s.axis, 2 * s.layer > n + 1 ? 1 : -1);
    const int hand = det(n1, n2, along);
    return x < y ? WingKey{x, y, hand > 0} : WingKey{y, x, hand < 0};
}

bool oddPermutation(const std::vector<int>& perm) {
    std::vector<bool> seen(perm.size(), false);
    bool odd = false;
    for (std::size_t i = 0; i < perm.size(); ++i) {
        if (seen[i]) continue;
        for (std::size_t j = i; !seen[j]; j = static_cast<std::size_t>(perm[j])) {
            seen[j] = true;
            odd = !odd;
        }
        odd = !odd;  // a cycle of length L is L - 1 swaps
    }
    return odd;
}

Verdict checkCentreOrbits(const Cube& cube, const SquareSet& centres) {
    std::vector<int> root(static_cast<std::size_t>(centres.size()));
    std::iota(root.begin(), root.end(), 0);
    auto find = [&](int i) {
        while (root[static_cast<std::size_t>(i)] != i)
            i = root[static_cast<std::size_t>(i)] = root[static_cast<std::size_t>(root[static_cast<std::size_t>(i)])];
        return i;
    };
    const int n = centres.n();
    for (int axis = 0; axis < 3; ++axis)
        for (int layer = 1; layer <= n; ++layer)
            for (int i = 0; i < centres.size(); ++i)
                root[static_cast<std::size_t>(find(i))] = find(centres.image({axis, layer, 1}, i));
    std::map<int, std::map<int, int>> counts;  // orbit -> colour -> squares
    std::map<int, int> sizes;
    for (int i = 0; i < centres.size(); ++i) {
        const FaceSquare& s = centres.square(i);
        ++counts[find(i)][cube.squarecolor(s.a, s.b, s.f)];
        ++sizes[find(i)];
    }
    for (const auto& [orbit, byColour] : counts)
        for (const auto& [colour, k] : byColour)
            if (byColour.size() != 6 || k * 6 != sizes[orbit])
                return {Refusal::badCentres, "The centre pieces cannot be brought to one colour a face."};
    return {};
}

bool midgesValid(const Cube& cube, int n, const FaceColours& t) {
    std::vector<std::pair<int, int>> actual, home;
    for (const EdgeSlot& s : edgeSlots(n)) {
        if (2 * s.layer != n + 1) continue;
        const int x = colourAt(cube, s.first), y = colourAt(cube, s.second);
        actual.emplace_back(std::min(x, y), std::max(x, y));
        const int hx = t[s.first.f], hy = t[s.second.f];
        home.emplace_back(std::min(hx, hy), std::max(hx, hy));
    }
    std::sort(actual.begin(), actual.end());
    std::sort(home.begin(), home.end());
    return actual == home;
}

int centresInPlace(const Cube& cube, const SquareSet& centres, const FaceColours& t) {
    int k = 0;
    for (int i = 0; i < centres.size(); ++i) {
        const FaceSquare& s = centres.square(i);
        k += cube.squarecolor(s.a, s.b, s.f) == t[s.f];
    }
    return k;
}

}  // namespace

bool wingFits(const EdgeSlot& s, int x, int y, const EdgeSlot& t, int u, int v, int n) {
    return wingKey(s, x, y, n) == wingKey(t, u, v, n);
}

std::vector<EdgeSlot> edgeSlots(int n) {
    std::vector<EdgeSlot> slots;
    int edge = 0;
    for (int alpha = 0; alpha < 3; ++alpha)
        for (int beta = alpha + 1; beta < 3; ++beta)
            for (int sa : {1, -1})
                for (int sb : {1, -1}) {
                    const int along = 3 - alpha - beta;
                    for (int layer = 2; layer < n; ++layer) {
                        Vec3 c = (n - 1) * (sa * unit(alpha) + sb * unit(beta));
                        c = c + (2 * layer - n - 1) * unit(along);
                        slots.push_back(
                            {squareAt(c + unit(alpha, sa), n), squareAt(c + unit(beta, sb), n), edge, layer, along});
                    }
                    ++edge;
                }
    return slots;
}

std::array<CornerSlot, 8> cornerSlots(int n) {
    std::array<CornerSlot, 8> slots{};
    int k = 0;
    for (int x : {1, -1})
        for (int y : {1, -1})
            for (int z : {1, -1}) {
                const Vec3 s{x, y, z};
                CornerSlot& slot = slots[static_cast<std::size_t>(k++)];
                for (int axis = 0; axis < 3; ++axis)
                    slot[static_cast<std::size_t>(axis)] = squareAt((n - 1) * s + unit(axis, s[axis]), n);
                if (x * y * z < 0) std::swap(slot[1], slot[2]);
            }
    return slots;
}

std::vector<int> oddWingOrbits(const Cube& cube, int n, const FaceColours& t, bool& valid) {
    valid = true;
    const std::vector<EdgeSlot> slots = edgeSlots(n);
    std::vector<int> odd;
    for (int k = 2; 2 * k < n + 1; ++k) {
        std::vector<const EdgeSlot*> orbit;
        for (const EdgeSlot& s : slots)
            if (s.layer == k || s.layer == n + 1 - k) orbit.push_back(&s);
        std::map<WingKey, int> home;
        for (std::size_t i = 0; i < orbit.size(); ++i)
            home[wingKey(*orbit[i], t[orbit[i]->first.f], t[orbit[i]->second.f], n)] = static_cast<int>(i);
        std::vector<int> perm;
        std::vector<bool> taken(orbit.size(), false);
        for (const EdgeSlot* s : orbit) {
            const auto it = home.find(wingKey(*s, colourAt(cube, s->first), colourAt(cube, s->second), n));
            if (it == home.end() || taken[static_cast<std::size_t>(it->second)]) {
                valid = false;
                return {};
            }
            taken[static_cast<std::size_t>(it->second)] = true;
            perm.push_back(it->second);
        }
        if (oddPermutation(perm)) odd.push_back(k);
    }
    return odd;
}

Reading readCube(const Cube& cube, int n, const SquareSet& centres) {
    Reading r;
    Verdict v = checkColourCounts(cube, n);
    if (v.ok()) v = checkCentreOrbits(cube, centres);
    if (!v.ok()) return {v.refusal, v.reason, {}};

    // The six colours, each on every centre orbit (checked above).
    std::array<int, 6> colours{};
    {
        std::vector<int> all;
        for (int i = 0; i < centres.size(); ++i) {
            const FaceSquare& s = centres.square(i);
            all.push_back(cube.squarecolor(s.a, s.b, s.f));
        }
        std::sort(all.begin(), all.end());
        all.erase(std::unique(all.begin(), all.end()), all.end());
        std::copy(all.begin(), all.end(), colours.begin());
    }
    const std::vector<CornerKey> corners = actualCorners(cube, n);
    std::vector<FaceColours> allowed;
    do {
        FaceColours t{0, colours[0], colours[1], colours[2], colours[3], colours[4], colours[5]};
        if (cornersAllow(corners, t, n)) allowed.push_back(t);
    } while (std::next_permutation(colours.begin(), colours.end()));
    if (allowed.empty()) return {Refusal::badCorners, "A corner piece cannot exist.", {}};

    if (n % 2 == 1) {
        const int mid = (n + 1) / 2;
        for (int f = 1; f <= 6; ++f) r.target[static_cast<std::size_t>(f)] = cube.squarecolor(mid, mid, f);
        if (std::find(allowed.begin(), allowed.end(), r.target) == allowed.end())
            return {Refusal::badCentres, "The middle centres and the corners do not go together.", {}};
        if (!midgesValid(cube, n, r.target)) return {Refusal::badEdges, "A middle edge piece cannot exist.", {}};
    } else {
        r.target = *std::max_element(allowed.begin(), allowed.end(), [&](const FaceColours& a, const FaceColours& b) {
            return centresInPlace(cube, centres, a) < centresInPlace(cube, centres, b);
        });
    }
    bool valid = true;
    oddWingOrbits(cube, n, r.target, valid);
    if (!valid) return {Refusal::badEdges, "An edge piece cannot exist, or two are the same.", {}};
    return r;
}

}  // namespace vx::solver::big
