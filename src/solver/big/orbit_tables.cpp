#include "solver/big/orbit_tables.h"

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

// The rank of a set among the sets of as many places, in the order of their
// bit patterns read as numbers.
int rankOf(Mask m) {
    int r = 0;
    for (int j = 1; m != 0; ++j, m &= m - 1)
        r += kBinomials.c[static_cast<std::size_t>(std::countr_zero(m))][static_cast<std::size_t>(j)];
    return r;
}

Mask gather(Mask m, const std::uint8_t* places, int count) {
    Mask out = 0;
    for (int i = 0; i < count; ++i) out |= ((m >> places[i]) & 1U) << i;
    return out;
}

struct Step {
    int move;
    bool half;
};

// The fewest moves from the goal to every value of a coordinate, quarter
// turns one move and half turns two.
template <class Index>
std::vector<std::uint8_t> distances(std::size_t count, Mask goal, const std::vector<Step>& steps,
                                    const OrbitTables& t, Index index) {
    std::vector<std::uint8_t> d(count, 255);
    std::vector<std::vector<Mask>> buckets(1, std::vector<Mask>{goal});
    d[static_cast<std::size_t>(index(goal))] = 0;
    for (std::size_t k = 0; k < buckets.size(); ++k) {
        for (std::size_t i = 0; i < buckets[k].size(); ++i) {
            const Mask m = buckets[k][i];
            if (d[static_cast<std::size_t>(index(m))] != k) continue;
            for (const Step& s : steps) {
                Mask x = t.turn[static_cast<std::size_t>(s.move)](m);
                if (s.half) x = t.turn[static_cast<std::size_t>(s.move)](x);
                const auto j = static_cast<std::size_t>(index(x));
                const std::size_t e = k + (s.half ? 2 : 1);
                if (e < d[j]) {
                    d[j] = static_cast<std::uint8_t>(e);
                    if (buckets.size() <= e) buckets.resize(e + 1);
                    buckets[e].push_back(x);
                }
            }
        }
        std::vector<Mask>().swap(buckets[k]);
    }
    return d;
}

OrbitTables build(OrbitKind kind) {
    OrbitTables t;
    t.n = kind == OrbitKind::nextToCorner ? 4 : 5;
    const int n = t.n;
    const SquareSet places(n, [kind](int a, int b) {
        if (kind == OrbitKind::nextToCorner) return a > 1 && a < 4 && b > 1 && b < 4;
        return (a == 3 && (b == 2 || b == 4)) || (b == 3 && (a == 2 || a == 4));
    });
    for (int i = 0; i < 24; ++i) {
        t.at[static_cast<std::size_t>(i)] = places.square(i);
        t.face[static_cast<std::size_t>(i)] = places.face(i);
    }
    const std::array<int, 4> layers = {1, 2, n - 1, n};
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 4; ++li)
            for (int dir : {1, -1}) {
                const auto q = static_cast<std::size_t>(quarterMove(axis, li, dir));
                const PhysicalMove m{axis, layers[static_cast<std::size_t>(li)], dir};
                for (int i = 0; i < 24; ++i) t.perm[q][static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(places.image(m, i));
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
        t.axisPlaces[static_cast<std::size_t>(axis)][static_cast<std::size_t>(filled[static_cast<std::size_t>(axis)]++)] =
            static_cast<std::uint8_t>(i);
        if (axis != 0) t.offAxis0[static_cast<std::size_t>(off++)] = static_cast<std::uint8_t>(i);
    }

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

    std::vector<Step> all, second, third;
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 4; ++li)
            for (int dir : {1, -1}) {
                const int q = quarterMove(axis, li, dir);
                const bool outer = li == 0 || li == 3;
                all.push_back({q, false});
                if (axis == 0 || outer)
                    second.push_back({q, false});
                else if (dir > 0)
                    second.push_back({q, true});
                if (outer)
                    third.push_back({q, false});
                else if (dir > 0)
                    third.push_back({q, true});
            }
    t.first = distances(735471, t.onAxis[0], all, t, [&t](Mask m) { return t.firstIndex(m); });
    t.second = distances(12870, t.onAxis[1], second, t, [&t](Mask m) { return t.secondIndex(m); });
    t.third = distances(343000, t.positive, third, t, [&t](Mask m) { return t.thirdIndex(m); });
    return t;
}

}  // namespace

int OrbitTables::firstIndex(Mask axis0) const { return rankOf(axis0); }

int OrbitTables::secondIndex(Mask axis1) const { return rankOf(gather(axis1, offAxis0.data(), 16)); }

int OrbitTables::thirdIndex(Mask positiveColours) const {
    int r = 0;
    for (const auto& p : axisPlaces) r = r * 70 + rankOf(gather(positiveColours, p.data(), 8));
    return r;
}

const OrbitTables& orbitTables(OrbitKind kind) {
    static const OrbitTables corner = build(OrbitKind::nextToCorner);
    if (kind == OrbitKind::nextToCorner) return corner;
    static const OrbitTables middle = build(OrbitKind::nextToMiddle);
    return middle;
}

}  // namespace vx::solver::big
