#include "solver/big/orbit_tables.h"

#include <algorithm>
#include <bit>

#include "solver/big/squares.h"

namespace vx::solver::big {
namespace {

struct Binomials {
    std::array<std::array<int, 9>, 25> c{};
    Binomials() {
        for (int n = 0; n <= 24; ++n) {
            c[static_cast<std::size_t>(n)][0] = 1;
            for (int k = 1; k <= 8 && k <= n; ++k)
                c[static_cast<std::size_t>(n)][static_cast<std::size_t>(k)] =
                    c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k - 1)] +
                    (k <= n - 1 ? c[static_cast<std::size_t>(n - 1)][static_cast<std::size_t>(k)] : 0);
        }
    }
};
const Binomials kBinomials;

// The rank of a set of up to 8 places among the sets of as many, in the
// order of their bit patterns read as numbers: the sum, over its places p
// in order, of the binomial (p over j) for the j-th place; a table a byte.
struct Ranks {
    std::array<std::array<std::array<int, 256>, 9>, 3> part{};
    Ranks() {
        for (std::size_t byte = 0; byte < 3; ++byte)
            for (std::size_t below = 0; below <= 8; ++below)
                for (std::size_t v = 0; v < 256; ++v) {
                    int r = 0;
                    std::size_t j = below;
                    for (std::size_t b = 0; b < 8; ++b)
                        if ((v >> b) & 1U) {
                            if (++j > 8) break;
                            r += kBinomials.c[byte * 8 + b][j];
                        }
                    part[byte][below][v] = r;
                }
    }
};
const Ranks kRanks;

int rankOf(Mask m) {
    const auto lo = static_cast<std::size_t>(std::popcount(m & 255U));
    const auto mid = lo + static_cast<std::size_t>(std::popcount((m >> 8) & 255U));
    if (mid > 8) return -1;
    return kRanks.part[0][0][m & 255] + kRanks.part[1][lo][(m >> 8) & 255] + kRanks.part[2][mid][(m >> 16) & 255];
}

struct Step {
    int move;
    bool half;
};

// A place set and the middle centres' arrangement.
struct Node {
    Mask mask;
    std::uint8_t spin;
};

// The fewest moves from the goals to every value of a coordinate, quarter
// turns one move and half turns two.
template <class Index>
std::vector<std::uint8_t> distances(std::size_t count, const std::vector<Node>& goals, const std::vector<Step>& steps,
                                    const OrbitTables& t, Index index) {
    std::vector<std::uint8_t> d(count, 255);
    std::vector<std::vector<Node>> buckets(1);
    for (const Node& g : goals) {
        d[static_cast<std::size_t>(index(g))] = 0;
        buckets[0].push_back(g);
    }
    for (std::size_t k = 0; k < buckets.size(); ++k) {
        for (std::size_t i = 0; i < buckets[k].size(); ++i) {
            const Node m = buckets[k][i];
            if (d[static_cast<std::size_t>(index(m))] != k) continue;
            for (const Step& s : steps) {
                const auto q = static_cast<std::size_t>(s.move);
                Node x{t.turn[q](m.mask), t.spinAfter[m.spin][q]};
                if (s.half) x = {t.turn[q](x.mask), t.spinAfter[x.spin][q]};
                const auto j = static_cast<std::size_t>(index(x));
                const std::size_t e = k + (s.half ? 2 : 1);
                if (e < d[j]) {
                    d[j] = static_cast<std::uint8_t>(e);
                    if (buckets.size() <= e) buckets.resize(e + 1);
                    buckets[e].push_back(x);
                }
            }
        }
        std::vector<Node>().swap(buckets[k]);
    }
    return d;
}

// A table over both orbits' colours on one axis's places (orbit_tables.h),
// by a breadth-first search over its values.
std::vector<std::uint8_t> pairTable(const OrbitTables& t, const OrbitTables& other, int axis,
                                    const std::vector<Step>& steps) {
    std::vector<Mask> fours;  // the sets of 4 of 8, in rank order
    for (Mask v = 0; v < 256; ++v)
        if (std::popcount(v) == 4) fours.push_back(v);
    auto spread = [](Mask v, const std::array<std::uint8_t, 8>& places) {
        Mask m = 0;
        for (std::size_t b = 0; b < 8; ++b)
            if ((v >> b) & 1U) m |= Mask{1} << places[b];
        return m;
    };
    const auto& index = axis == 0 ? t.keepsAxis0 : t.keepsAxes;
    const int spins = axis == 0 ? 8 : 4;
    std::array<int, 8> spinOf{};  // the spins by their index
    for (int k = 0; k < t.spins; ++k)
        if (index[static_cast<std::size_t>(k)] >= 0)
            spinOf[static_cast<std::size_t>(index[static_cast<std::size_t>(k)])] = k;
    const auto a = static_cast<std::size_t>(axis);
    std::vector<std::uint8_t> d(static_cast<std::size_t>(70 * 70 * spins * 2), 255);
    const int goal = t.pairIndex(axis, other.positive, t.positive, 0, false);
    std::vector<std::vector<int>> buckets(1, std::vector<int>{goal});
    d[static_cast<std::size_t>(goal)] = 0;
    for (std::size_t k = 0; k < buckets.size(); ++k)
        for (std::size_t i = 0; i < buckets[k].size(); ++i) {
            const int v = buckets[k][i];
            if (d[static_cast<std::size_t>(v)] != k) continue;
            const bool odd = v % 2 == 1;
            const int spin = spinOf[static_cast<std::size_t>((v / 2) % spins)];
            const Mask mine = spread(fours[static_cast<std::size_t>((v / 2 / spins) % 70)], t.axisPlaces[a]);
            const Mask theirs = spread(fours[static_cast<std::size_t>(v / 2 / spins / 70)], other.axisPlaces[a]);
            for (const Step& s : steps) {
                const auto q = static_cast<std::size_t>(s.move);
                const int times = s.half ? 2 : 1;
                Mask x = theirs, y = mine;
                int sp = spin;
                for (int r = 0; r < times; ++r) {
                    x = other.turn[q](x);
                    y = t.turn[q](y);
                    sp = t.spinAfter[static_cast<std::size_t>(sp)][q];
                }
                const int li = (s.move / 2) % 5;
                const bool flips = !s.half && !t.outer(li) && !t.middle(li);
                const auto w = static_cast<std::size_t>(t.pairIndex(axis, x, y, sp, odd != flips));
                const std::size_t e = k + static_cast<std::size_t>(times);
                if (e < d[w]) {
                    d[w] = static_cast<std::uint8_t>(e);
                    if (buckets.size() <= e) buckets.resize(e + 1);
                    buckets[e].push_back(static_cast<int>(w));
                }
            }
        }
    return d;
}

// The split table's moves: axis 0's layers by quarters, the inner and
// middle layers of the other axes by halves (their faces do not touch axis
// 0's pieces).
void buildSplit(OrbitTables& t, const OrbitTables& other) {
    t.otherPlaces = other.axisPlaces;
    for (std::size_t a = 0; a < 3; ++a) t.otherBits[a] = MaskGather(other.axisPlaces[a]);
    std::vector<Step> steps;
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 5; ++li) {
            if (axis == 0) {
                steps.push_back({quarterMove(axis, li, 1), false});
                steps.push_back({quarterMove(axis, li, -1), false});
            } else if (!t.outer(li)) {
                steps.push_back({quarterMove(axis, li, 1), true});
            }
        }
    t.split = pairTable(t, other, 0, steps);
}

}  // namespace

OrbitTables buildOrbitTables(OrbitKind kind) {
    OrbitTables t;
    t.n = kind == OrbitKind::fourCentres ? 4 : 5;
    const int n = t.n;
    const SquareSet places(n, [kind, n](int a, int b) {
        if (kind != OrbitKind::fiveNextToMiddle) return (a == 2 || a == n - 1) && (b == 2 || b == n - 1);
        return (a == 3 && (b == 2 || b == 4)) || (b == 3 && (a == 2 || a == 4));
    });
    for (int i = 0; i < 24; ++i) {
        t.at[static_cast<std::size_t>(i)] = places.square(i);
        t.face[static_cast<std::size_t>(i)] = places.face(i);
    }
    for (std::size_t q = 0; q < kOrbitMoves; ++q)
        for (std::size_t i = 0; i < 24; ++i) t.perm[q][i] = static_cast<std::uint8_t>(i);
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < n; ++li)
            for (int dir : {1, -1}) {
                const auto q = static_cast<std::size_t>(quarterMove(axis, li, dir));
                const PhysicalMove m{axis, li + 1, dir};
                for (int i = 0; i < 24; ++i)
                    t.perm[q][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(places.image(m, i));
                for (std::size_t byte = 0; byte < 3; ++byte)
                    for (Mask v = 0; v < 256; ++v) {
                        Mask out = 0;
                        for (std::size_t b = 0; b < 8; ++b)
                            if ((v >> b) & 1U) out |= Mask{1} << t.perm[q][byte * 8 + b];
                        t.turn[q].bytes[byte][v] = out;
                    }
            }
    std::array<int, 3> filled{};
    int off = 0;
    for (int i = 0; i < 24; ++i) {
        const int axis = faceAxis(t.face[static_cast<std::size_t>(i)]);
        t.onAxis[static_cast<std::size_t>(axis)] |= Mask{1} << i;
        if (faceSign(t.face[static_cast<std::size_t>(i)]) > 0) t.positive |= Mask{1} << i;
        t.axisPlaces[static_cast<std::size_t>(axis)]
                    [static_cast<std::size_t>(filled[static_cast<std::size_t>(axis)]++)] = static_cast<std::uint8_t>(i);
        if (axis != 0) t.offAxis0[static_cast<std::size_t>(off++)] = static_cast<std::uint8_t>(i);
    }
    for (std::size_t a = 0; a < 3; ++a) t.onAxisBits[a] = MaskGather(t.axisPlaces[a]);
    t.offAxis0Bits = MaskGather(t.offAxis0);

    // The cube's orientations, each reached by whole-cube quarter turns in
    // the same order whatever the orbit, so that number r is the same
    // orientation in every kind.
    std::array<std::array<std::uint8_t, 24>, 3> whole{};
    for (int axis = 0; axis < 3; ++axis)
        for (int i = 0; i < 24; ++i) {
            int k = i;
            for (int l = 1; l <= n; ++l) k = places.image(PhysicalMove{axis, l, 1}, k);
            whole[static_cast<std::size_t>(axis)][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(k);
        }
    std::vector<std::array<std::uint8_t, 24>> found;
    std::array<std::uint8_t, 24> identity{};
    for (int i = 0; i < 24; ++i) identity[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i);
    found.push_back(identity);
    for (std::size_t k = 0; k < found.size() && found.size() < 24; ++k)
        for (const auto& g : whole) {
            std::array<std::uint8_t, 24> r{};
            for (std::size_t i = 0; i < 24; ++i) r[i] = g[found[k][i]];
            if (std::find(found.begin(), found.end(), r) == found.end()) found.push_back(r);
        }
    for (std::size_t k = 0; k < 24; ++k) t.rotation[k] = found[k];

    // The middle centres: where each has gone, as a number.
    t.spinAfter.assign(1, {});
    t.keepsAxis0.fill(-1);
    t.keepsAxes.fill(-1);
    t.keepsAxis0[0] = t.keepsAxes[0] = 0;
    if (kind == OrbitKind::fiveNextToMiddle) {
        const SquareSet middles(n, [n](int a, int b) { return 2 * a == n + 1 && 2 * b == n + 1; });
        std::vector<std::array<int, 6>> arrangements{{0, 1, 2, 3, 4, 5}};
        for (std::size_t k = 0; k < arrangements.size(); ++k) {
            t.spinAfter.resize(arrangements.size());
            for (int axis = 0; axis < 3; ++axis)
                for (int dir : {1, -1}) {
                    std::array<int, 6> next{};
                    for (std::size_t i = 0; i < 6; ++i)
                        next[i] = middles.image(PhysicalMove{axis, 3, dir}, arrangements[k][i]);
                    auto at = std::find(arrangements.begin(), arrangements.end(), next);
                    if (at == arrangements.end()) at = arrangements.insert(at, next);
                    t.spinAfter[k][static_cast<std::size_t>(quarterMove(axis, 2, dir))] =
                        static_cast<std::uint8_t>(at - arrangements.begin());
                }
        }
        t.spins = static_cast<int>(arrangements.size());
        t.spinAfter.resize(arrangements.size());
        std::array<int, 2> counts{};
        for (std::size_t k = 0; k < arrangements.size(); ++k) {
            bool axis0 = true, axes = true;
            for (std::size_t i = 0; i < 6; ++i) {
                const int from = faceAxis(middles.face(static_cast<int>(i)));
                const int to = faceAxis(middles.face(arrangements[k][i]));
                axes = axes && from == to;
                axis0 = axis0 && (from == 0) == (to == 0);
            }
            if (axis0) t.keepsAxis0[k] = counts[0]++;
            if (axes) t.keepsAxes[k] = counts[1]++;
        }
    }
    for (std::size_t k = 0; k < t.spinAfter.size(); ++k)
        for (int axis = 0; axis < 3; ++axis)
            for (int li = 0; li < 5; ++li)
                if (kind != OrbitKind::fiveNextToMiddle || li != 2)
                    for (int dir : {1, -1})
                        t.spinAfter[k][static_cast<std::size_t>(quarterMove(axis, li, dir))] =
                            static_cast<std::uint8_t>(k);

    std::vector<Step> last;
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < n; ++li)
            if (axis != 0 && t.outer(li)) {
                last.push_back({quarterMove(axis, li, 1), false});
                last.push_back({quarterMove(axis, li, -1), false});
            } else if (axis == 0 && !t.outer(li)) {
                last.push_back({quarterMove(axis, li, 1), true});
            }
    if (n == 5)
        t.last = distances(4900 * (t.spins == 1 ? 1 : 4), {{t.positive, 0}}, last, t,
                           [&t](Node m) { return t.lastIndex(m.mask, m.spin); });
    if (kind == OrbitKind::fiveNextToCorner) {
        // The same orbit as the 4-cube's centres, place for place.
        const OrbitTables& four = orbitTables(OrbitKind::fourCentres);
        t.first = four.first;
        t.second = four.second;
        t.third = four.third;
        return t;
    }
    // The stages' moves (see the header).
    if (kind == OrbitKind::fiveNextToMiddle) {
        std::vector<Step> first;
        for (int axis = 0; axis < 3; ++axis)
            for (int li = 0; li < n; ++li) {
                const bool quarter = axis == 0 || t.outer(li) || t.middle(li);
                first.push_back({quarterMove(axis, li, 1), !quarter});
                if (quarter) first.push_back({quarterMove(axis, li, -1), false});
            }
        t.first = distances(735471, {{t.onAxis[0], 0}}, first, t, [&t](Node m) { return t.firstIndex(m.mask); });
        buildSplit(t, orbitTables(OrbitKind::fiveNextToCorner));
        for (int axis = 1; axis < 3; ++axis)
            t.lastPair[static_cast<std::size_t>(axis)] =
                pairTable(t, orbitTables(OrbitKind::fiveNextToCorner), axis, last);
        // Stage two with axis 0's faces finished: axis 0's faces and middle
        // layer by quarters, its inner layers by halves, the other faces.
        std::vector<Step> second;
        for (int axis = 0; axis < 3; ++axis)
            for (int li = 0; li < n; ++li) {
                if (t.outer(li) || (axis == 0 && t.middle(li))) {
                    second.push_back({quarterMove(axis, li, 1), false});
                    second.push_back({quarterMove(axis, li, -1), false});
                } else if (axis == 0) {
                    second.push_back({quarterMove(axis, li, 1), true});
                }
            }
        t.second =
            distances(12870 * 8, {{t.onAxis[1], 0}}, second, t, [&t](Node m) { return t.secondIndex(m.mask, m.spin); });
        return t;
    }
    std::vector<Step> first, second, third;
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < n; ++li)
            for (int dir : {1, -1}) {
                const int q = quarterMove(axis, li, dir);
                const bool outer = t.outer(li);
                first.push_back({q, false});
                if (axis == 0 || outer)
                    second.push_back({q, false});
                else if (dir > 0)
                    second.push_back({q, true});
                if (outer)
                    third.push_back({q, false});
                else if (dir > 0)
                    third.push_back({q, true});
            }
    t.first = distances(735471, {{t.onAxis[0], 0}}, first, t, [&t](Node m) { return t.firstIndex(m.mask); });
    t.second = distances(12870, {{t.onAxis[1], 0}}, second, t, [&t](Node m) { return t.secondIndex(m.mask, 0); });
    t.third = distances(343000, {{t.positive, 0}}, third, t, [&t](Node m) { return t.thirdIndex(m.mask, 0); });
    return t;
}

int OrbitTables::firstIndex(Mask axis0) const { return rankOf(axis0); }

int OrbitTables::secondIndex(Mask axis1, int spin) const {
    const int k = keepsAxis0[static_cast<std::size_t>(spin)];
    if (k < 0) return -1;
    return rankOf(offAxis0Bits(axis1)) * (spins == 1 ? 1 : 8) + k;
}

int OrbitTables::thirdIndex(Mask positiveColours, int spin) const {
    const int k = keepsAxes[static_cast<std::size_t>(spin)];
    if (k < 0) return -1;
    int r = 0;
    for (const auto& g : onAxisBits) r = r * 70 + rankOf(g(positiveColours));
    return r * (spins == 1 ? 1 : 4) + k;
}

int OrbitTables::lastIndex(Mask positiveColours, int spin) const {
    const int k = keepsAxes[static_cast<std::size_t>(spin)];
    if (k < 0) return -1;
    const int r = rankOf(onAxisBits[1](positiveColours)) * 70 + rankOf(onAxisBits[2](positiveColours));
    return r * (spins == 1 ? 1 : 4) + k;
}

int OrbitTables::pairIndex(int axis, Mask otherPositive, Mask positiveColours, int spin, bool odd) const {
    const auto s = static_cast<std::size_t>(spin);
    const int k = axis == 0 ? keepsAxis0[s] : keepsAxes[s];
    if (k < 0) return -1;
    const auto at = static_cast<std::size_t>(axis);
    const int a = rankOf(otherBits[at](otherPositive));
    const int b = rankOf(onAxisBits[at](positiveColours));
    return ((a * 70 + b) * (axis == 0 ? 8 : 4) + k) * 2 + (odd ? 1 : 0);
}

std::size_t orbitTableBytes(const OrbitTables& t) {
    std::size_t k = sizeof t + t.spinAfter.size() * sizeof t.spinAfter[0];
    for (const auto* v : {&t.first, &t.second, &t.third, &t.split, &t.last, &t.lastPair[1], &t.lastPair[2]})
        k += v->size();
    return k;
}

const OrbitTables& orbitTables(OrbitKind kind) {
    static const OrbitTables four = buildOrbitTables(OrbitKind::fourCentres);
    if (kind == OrbitKind::fourCentres) return four;
    static const OrbitTables corner = buildOrbitTables(OrbitKind::fiveNextToCorner);
    if (kind == OrbitKind::fiveNextToCorner) return corner;
    static const OrbitTables middle = buildOrbitTables(OrbitKind::fiveNextToMiddle);
    return middle;
}

}  // namespace vx::solver::big
