#include "solver/big/centres.h"

#include <algorithm>
#include <cstdint>
#include <functional>
#include <limits>
#include <map>
#include <tuple>

namespace vx::solver::big {
namespace {

// Weights of a piece of the colour being gathered: a finished face must keep
// all its pieces, the face being built gains most, and a piece on a face
// next to it (from where one commutator fetches it) counts a little.
constexpr int kKept = 1 << 20;
constexpr int kBuilt = 64;
// (kNear is the default; the tries of small cubes vary it.)
constexpr int kNear = 1;
// A piece on its own face not yet built, in the estimates of blocks().
constexpr int kOwn = 8;

int opposite(int f) {
    constexpr std::array<int, 7> kOpposite = {0, 3, 4, 1, 2, 6, 5};
    return kOpposite[static_cast<std::size_t>(f)];
}

int turnCost(int quarters) { return quarters % 4 == 2 ? 2 : quarters % 4 == 0 ? 0 : 1; }

void addTurns(std::vector<PhysicalMove>& ms, const PhysicalMove& m, int quarters) {
    quarters = ((quarters % 4) + 4) % 4;
    if (quarters == 3)
        ms.push_back({m.axis, m.layer, -m.quarter});
    else
        for (int i = 0; i < quarters; ++i) ms.push_back(m);
}

// Whether gaining g1 with c1 moves beats gaining g2 with c2. With `later`
// zero, the more gained a move wins. Otherwise a piece left for later is
// taken to cost `later` sixteenths of a move, and a step is worth what it
// gains at that price less what it costs: on big cubes that favours the
// larger steps, which leave fewer pieces for the dear three-cycles at the end.
bool worthier(int g1, int c1, int g2, int c2, int later) {
    if (g2 <= 0) return g1 > 0;
    if (g1 <= 0) return false;
    if (later == 0) return g1 * c2 > g2 * c1;
    return g1 * later - c1 * kBuilt * 16 > g2 * later - c2 * kBuilt * 16;
}

struct Candidate {
    std::vector<PhysicalMove> moves;
    int gain = 0;
    int cost = 1;
    std::vector<int> quarterSlices;  // inner layers turned by a quarter, once each
    bool better(const Candidate& o, int later) const { return worthier(gain, cost, o.gain, o.cost, later); }
};

// A commutator's moved squares: (from, to).
using Pairs = std::vector<std::pair<int, int>>;

class CentreSolver {
public:
    CentreSolver(const SquareSet& cs, Colours& col, const FaceColours& target, MoveList& out, int near = kNear)
        : cs_(cs), col_(col), target_(target), out_(out), n_(cs.n()), near_(near) {
        later_ = n_ >= 6 ? 5 * 16 : 0;
        if (n_ >= 6) sourceShare_ = n_ <= 10 ? 1 : 2;
        if (n_ <= 15)
            seedCells_ = 24, seeds_ = 64;
        else
            seedCells_ = 24, seeds_ = 32;
        for (int i = 0; i < cs_.size(); ++i) {
            faceCells_[static_cast<std::size_t>(cs_.face(i))].push_back(i);
            for (int a = 0; a < 3; ++a)
                if (faceAxis(cs_.face(i)) != a)
                    layerCells_[static_cast<std::size_t>(a)][static_cast<std::size_t>(cs_.layer(i, a))].push_back(i);
        }
    }

    // Builds the faces one by one, starting with `first` and its opposite;
    // each later face is the one of those left with the fewest pieces missing.
    bool run(int first) {
        std::vector<int> rest;
        for (int f = 1; f <= 6; ++f)
            if (f != first && f != opposite(first)) rest.push_back(f);
        std::array<int, 5> order{first, opposite(first), 0, 0, 0};
        for (std::size_t k = 0; k < 5; ++k) {
            if (k == 2 || k == 3) {
                order[k] = bestFace(rest);
                rest.erase(std::remove_if(rest.begin(), rest.end(),
                                          [&](int f) { return f == order[k] || (k == 2 && f == opposite(order[k])); }),
                           rest.end());
            }
            if (k == 4) order[k] = opposite(order[3]);
            if (!build(order[k])) return false;
            built_[static_cast<std::size_t>(order[k])] = true;
            if (k == 0) firstDone_ = true;
            if (k == 1) {
                // The wing orbits the first two faces' slices left odd are
                // made even again by a quarter turn of a layer parallel to
                // them, which moves only the centres of the faces not yet built.
                for (int l = 2; 2 * l < n_ + 1; ++l)
                    if (oddOrbit_[static_cast<std::size_t>(l)]) {
                        const PhysicalMove m{faceAxis(order[0]), l, 1};
                        add({m});
                        cs_.turn(col_, m);
                    }
                parityMended_ = true;
            }
        }
        return missing(opposite(order[2])) == 0;
    }

    // The faces in the order of the pieces they miss, fewest first.
    std::vector<int> facesByMissing() const {
        std::vector<int> faces{1, 2, 3, 4, 5, 6};
        std::stable_sort(faces.begin(), faces.end(), [&](int a, int b) { return missing(a) < missing(b); });
        return faces;
    }

private:
    int bestFace(const std::vector<int>& faces) const {
        return *std::min_element(faces.begin(), faces.end(), [&](int a, int b) { return missing(a) < missing(b); });
    }
    int missing(int f) const {
        int k = 0;
        for (int i : faceCells_[static_cast<std::size_t>(f)])
            k += col_[static_cast<std::size_t>(i)] != target_[static_cast<std::size_t>(f)];
        return k;
    }
    bool adjacent(int f, int g) const { return f != g && f != opposite(g); }

    int weight(int face, int colour) const {
        if (built_[static_cast<std::size_t>(face)])
            return colour == target_[static_cast<std::size_t>(face)] ? kKept : 0;
        if (colour != target_[static_cast<std::size_t>(x_)]) return 0;
        return face == x_ ? kBuilt : adjacent(face, x_) ? near_ : 0;
    }
    bool isMiddle(int layer) const { return n_ % 2 == 1 && 2 * layer == n_ + 1; }

    // The colour that a turn of face `y` by `j` quarters brings to square i.
    const std::vector<int>& preimage(int y, int j) {
        auto& p = pre_[static_cast<std::size_t>(y)][static_cast<std::size_t>(j)];
        if (p.empty()) {
            p.resize(static_cast<std::size_t>(cs_.size()));
            for (int i = 0; i < cs_.size(); ++i) {
                int k = i;
                for (int q = 0; q < j; ++q) k = cs_.image(faceTurn(y, -1, n_), k);
                p[static_cast<std::size_t>(i)] = k;
            }
        }
        return p;
    }
    int gain(const Pairs& pairs, const std::vector<int>& pre) const {
        int g = 0;
        for (auto [from, to] : pairs) {
            const int c = col_[static_cast<std::size_t>(pre[static_cast<std::size_t>(from)])];
            g += weight(cs_.face(to), c) - weight(cs_.face(from), c);
        }
        return g;
    }
    // The squares of the face being built and of layer s along the axis
    // that the moves take to another face.
    Pairs crossFace(const std::vector<PhysicalMove>& seq, int axis, int s) const {
        std::vector<int> cells = faceCells_[static_cast<std::size_t>(x_)];
        const auto& more = layerCells_[static_cast<std::size_t>(axis)][static_cast<std::size_t>(s)];
        cells.insert(cells.end(), more.begin(), more.end());
        std::sort(cells.begin(), cells.end());
        cells.erase(std::unique(cells.begin(), cells.end()), cells.end());
        Pairs p;
        for (int c : cells) {
            const int to = cs_.image(seq, c);
            if (cs_.face(to) != cs_.face(c)) p.emplace_back(c, to);
        }
        return p;
    }

    Candidate exact(std::vector<PhysicalMove> moves) const {
        Colours c = col_;
        cs_.turn(c, moves);
        Candidate k;
        // Only the squares the moves changed change the score.
        for (std::size_t i = 0; i < c.size(); ++i)
            if (c[i] != col_[i]) {
                const int f = cs_.face(static_cast<int>(i));
                k.gain += weight(f, c[i]) - weight(f, col_[i]);
            }
        k.cost = merges_ ? std::max(1, tail_.addedLength(moves)) : static_cast<int>(moves.size());
        k.moves = std::move(moves);
        return k;
    }

    // What turning face y by j quarters, then face z by k, adds to the
    // solution (0: no turn). Like every step's, the cost is what the moves
    // add after their first turns cancel or merge with the turns about one
    // axis the solution ends with: a set-up that undoes the last step's last
    // turn costs nothing and saves one.
    int setUpCost(int y, int j, int z, int k) const {
        if (!merges_) return turnCost(j) + turnCost(k);
        std::vector<PhysicalMove> ms;
        if (y != 0) addTurns(ms, faceTurn(y, 1, n_), j);
        if (z != 0) addTurns(ms, faceTurn(z, 1, n_), k);
        return tail_.addedLength(ms);
    }
    // Makes the moves, keeping the turns about one axis they end with.
    void add(const std::vector<PhysicalMove>& ms) {
        out_.add(ms);
        tail_ = out_.lastAxis();
    }

    // Rows of pieces from a neighbour face swapped into this one: the slices
    // carry a row of the neighbour in, the face turns it aside, the slices
    // go back (taking one of the face's own rows out). As every slice goes
    // back, an odd cube's middle slice may take part: its fixed centres
    // return.
    Candidate lineSwaps() {
        struct Estimate {
            int gain, cost, axis, dir, k, y, j;
            std::vector<int> slices;
        };
        std::vector<Estimate> found;
        for (int a = 0; a < 3; ++a) {
            if (a == faceAxis(x_)) continue;
            for (int dir : {1, -1, 2}) {
                const int y = dir == 2 ? opposite(x_) : turnedFace(x_, a, -dir);
                if (built_[static_cast<std::size_t>(y)]) continue;
                for (int k = 1; k <= 3; ++k) {
                    std::vector<const Pairs*> pairs(static_cast<std::size_t>(n_ + 1), nullptr);
                    for (int s = 2; s < n_; ++s) pairs[static_cast<std::size_t>(s)] = &linePairs(a, dir, k, s);
                    for (int j = 0; j < 4; ++j) {
                        const auto& pre = preimage(y, j);
                        Estimate e{0, turnCost(k) + setUpCost(y, j, 0, 0), a, dir, k, y, j, {}};
                        for (int s = 2; s < n_; ++s) {
                            if (!pairs[static_cast<std::size_t>(s)]) continue;
                            const int g = gain(*pairs[static_cast<std::size_t>(s)], pre);
                            if (g <= 0) continue;
                            e.gain += g;
                            e.cost += dir == 2 ? 4 : 2;
                            e.slices.push_back(s);
                        }
                        if (e.gain > 0) found.push_back(std::move(e));
                    }
                }
            }
        }
        std::sort(found.begin(), found.end(), [this](const Estimate& p, const Estimate& q) {
            return worthier(p.gain, p.cost, q.gain, q.cost, later_);
        });
        Candidate best;
        for (std::size_t i = 0; i < found.size() && i < seeds_; ++i) {
            const Estimate& e = found[i];
            std::vector<PhysicalMove> ms;
            addTurns(ms, faceTurn(e.y, 1, n_), e.j);
            for (int s : e.slices) addTurns(ms, {e.axis, s, 1}, e.dir == 2 ? 2 : e.dir);
            addTurns(ms, faceTurn(x_, 1, n_), e.k);
            for (int s : e.slices) addTurns(ms, {e.axis, s, 1}, e.dir == 2 ? 2 : -e.dir);
            Candidate c = exact(std::move(ms));
            if (c.better(best, later_)) best = std::move(c);
        }
        return best;
    }

    // True when no finished face lies on the ring of the slices along the axis.
    bool freeRing(int a) const {
        for (int f = 1; f <= 6; ++f)
            if (faceAxis(f) != a && built_[static_cast<std::size_t>(f)]) return false;
        return true;
    }

    // Slices whose ring holds no finished face need not be turned back: the
    // rows of a neighbour face turned straight into this one, after turns of
    // the two faces that line up the rows worth taking with the rows worth
    // giving away. Each slice counts on its own, so the estimate is exact.
    Candidate freeSlices() {
        Candidate best;
        const int X = faceAxis(x_);
        for (int a = 0; a < 3; ++a) {
            if (a == X || !freeRing(a)) continue;
            for (int dir : {1, -1, 2}) {
                // A quarter turn of an inner slice changes the parity of its
                // wing orbit, which is mended only after the second face
                // (run).
                if (dir != 2 && parityMended_) continue;
                const int y = dir == 2 ? opposite(x_) : turnedFace(x_, a, -dir);
                const PhysicalMove in{a, 0, dir == 2 ? 1 : dir};
                auto term = [&](int i, int colour) {
                    int to = cs_.image({a, cs_.layer(i, a), in.quarter}, i);
                    if (dir == 2) to = cs_.image({a, cs_.layer(i, a), 1}, to);
                    return weight(cs_.face(to), colour) - weight(cs_.face(i), colour);
                };
                for (int k = 0; k < 4; ++k)
                    for (int j = 0; j < 4; ++j) {
                        std::vector<PhysicalMove> ms;
                        addTurns(ms, faceTurn(x_, 1, n_), k);
                        addTurns(ms, faceTurn(y, 1, n_), j);
                        Colours c = col_;
                        cs_.turn(c, ms);
                        std::array<int, 21> base{};
                        for (int s = 2; s < n_; ++s) {
                            if (isMiddle(s)) continue;
                            for (int i : layerCells_[static_cast<std::size_t>(a)][static_cast<std::size_t>(s)])
                                base[static_cast<std::size_t>(s)] += term(i, c[static_cast<std::size_t>(i)]);
                        }
                        // With nothing built, a slice parallel to this face
                        // may first bring more of its pieces into the rows
                        // the slices take (prep 0: none).
                        const int preps = firstDone_ ? 1 : 1 + 3 * (n_ - 2);
                        for (int prep = 0; prep < preps; ++prep) {
                            std::array<int, 21> g = base;
                            PhysicalMove pm{X, 0, 1};
                            int pq = 0;
                            if (prep > 0) {
                                pm.layer = 2 + (prep - 1) / 3;
                                pq = (prep - 1) % 3;  // 0: +1, 1: -1, 2: half
                                if (isMiddle(pm.layer)) continue;
                                pm.quarter = pq == 1 ? -1 : 1;
                                for (int i :
                                     layerCells_[static_cast<std::size_t>(X)][static_cast<std::size_t>(pm.layer)]) {
                                    const int s = cs_.layer(i, a);
                                    if (s < 2 || s >= n_ || isMiddle(s)) continue;
                                    // The piece that the slice brings to i.
                                    int from = cs_.image({X, pm.layer, -pm.quarter}, i);
                                    if (pq == 2) from = cs_.image({X, pm.layer, -1}, from);
                                    g[static_cast<std::size_t>(s)] += term(i, c[static_cast<std::size_t>(from)]) -
                                                                      term(i, c[static_cast<std::size_t>(i)]);
                                }
                            }
                            std::vector<std::pair<int, int>> gains;  // (gain, slice)
                            for (int s = 2; s < n_; ++s)
                                if (!isMiddle(s) && g[static_cast<std::size_t>(s)] > 0)
                                    gains.emplace_back(g[static_cast<std::size_t>(s)], s);
                            std::sort(gains.begin(), gains.end(), std::greater<>());
                            const int each = dir == 2 ? 2 : 1;
                            int gain = 0,
                                cost = turnCost(k) + turnCost(j) +
                                       (prep == 0 ? 0
                                        : pq == 2 ? 2
                                                  : 1),
                                taken = 0, bestGain = 0, bestCost = 1;
                            for (std::size_t t = 0; t < gains.size(); ++t) {
                                gain += gains[t].first;
                                cost += each;
                                if (worthier(gain, cost, bestGain, bestCost, later_))
                                    bestGain = gain, bestCost = cost, taken = static_cast<int>(t) + 1;
                            }
                            if (taken == 0) continue;
                            Candidate cand;
                            cand.gain = bestGain;
                            cand.cost = bestCost;
                            if (!cand.better(best, later_)) continue;
                            cand.moves = ms;
                            if (prep > 0) {
                                addTurns(cand.moves, pm, pq == 2 ? 2 : 1);
                                if (pq != 2) cand.quarterSlices.push_back(pm.layer);
                            }
                            for (int t = 0; t < taken; ++t) {
                                const int sl = gains[static_cast<std::size_t>(t)].second;
                                addTurns(cand.moves, {a, sl, 1}, dir);
                                if (dir != 2) cand.quarterSlices.push_back(sl);
                            }
                            best = std::move(cand);
                        }
                    }
            }
        }
        return best;
    }

    const Pairs& linePairs(int a, int dir, int k, int s) {
        const auto key = static_cast<std::size_t>(((a * 3 + (dir == 2 ? 2 : dir > 0)) * 4 + k) * (n_ + 1) + s);
        if (lineCache_.empty()) lineCache_.resize(static_cast<std::size_t>(3 * 3 * 4 * (n_ + 1)));
        auto& [done, pairs] = lineCache_[key];
        if (done) return pairs;
        done = true;
        std::vector<PhysicalMove> seq;
        addTurns(seq, {a, s, 1}, dir == 2 ? 2 : dir);
        addTurns(seq, faceTurn(x_, 1, n_), k);
        addTurns(seq, {a, s, 1}, dir == 2 ? 2 : -dir);
        return pairs = crossFace(seq, a, s);
    }

    // The commutator [slices S, face z turned, slices T, face z back]: a
    // three-cycle of pieces for every pair of a slice in S and one in T,
    // each through one square of z, leaving all else as it was.
    static std::vector<PhysicalMove> blockCommutator(int a, const std::vector<int>& S, const std::vector<int>& T,
                                                     int q1, int q2, const PhysicalMove& zk) {
        const PhysicalMove back{zk.axis, zk.layer, -zk.quarter};
        std::vector<PhysicalMove> ms;
        for (int s : S) ms.push_back({a, s, q1});
        ms.push_back(zk);
        for (int t : T) ms.push_back({a, t, q2});
        ms.push_back(back);
        for (int s : S) ms.push_back({a, s, -q1});
        ms.push_back(zk);
        for (int t : T) ms.push_back({a, t, -q2});
        ms.push_back(back);
        return ms;
    }
    // The three squares the commutator of slices s and t moves, found from
    // the square p of face z they share: the others are one turn from it.
    Pairs cycleThrough(int p, int a, int s, int t, int q1, int q2, const PhysicalMove& zk) const {
        // The commutator of the two slices, spelt out in place: this runs
        // for every cycle a step looks at.
        const PhysicalMove zb{zk.axis, zk.layer, -zk.quarter};
        const std::array<PhysicalMove, 8> seq{PhysicalMove{a, s, q1},  zk, PhysicalMove{a, t, q2},  zb,
                                              PhysicalMove{a, s, -q1}, zk, PhysicalMove{a, t, -q2}, zb};
        Pairs pairs;
        pairs.reserve(6);
        for (int q : {1, -1}) {
            const std::array<int, 3> from{p, cs_.image({a, s, q}, p),
                                          cs_.image(zb, cs_.image({a, t, q}, cs_.image(zk, p)))};
            for (int c : from) {
                int to = c;
                for (const PhysicalMove& m : seq) to = cs_.image(m, to);
                if (to != c && std::find(pairs.begin(), pairs.end(), std::pair{c, to}) == pairs.end())
                    pairs.emplace_back(c, to);
            }
        }
        return pairs;
    }
    // The square of face z in layer s along a that the turn zk takes into layer t.
    int crossing(int z, int a, const PhysicalMove& zk, int s, int t) {
        auto& table = crossings_[std::make_tuple(z, a, zk.quarter)];
        if (table.empty()) {
            table.assign(static_cast<std::size_t>((n_ + 1) * (n_ + 1)), -1);
            for (int c : faceCells_[static_cast<std::size_t>(z)])
                table[static_cast<std::size_t>(cs_.layer(c, a) * (n_ + 1) + cs_.layer(cs_.image(zk, c), a))] = c;
        }
        return table[static_cast<std::size_t>(s * (n_ + 1) + t)];
    }
    // The squares the commutator of slices s and t about face z moves, kept
    // once worked out: they depend on the turns only, never on the colours.
    struct Cycle {
        std::array<std::pair<std::uint16_t, std::uint16_t>, 6> pairs{};
        int count = -1;  // -1: not worked out yet
    };
    const Cycle& cycleOf(int z, int a, int kq, int q1, int q2, int s, int t) {
        const auto key = static_cast<std::size_t>((((((z - 1) * 3 + a) * 2 + (kq > 0)) * 2 + (q1 > 0)) * 2 + (q2 > 0)) *
                                                      (n_ + 1) * (n_ + 1) +
                                                  s * (n_ + 1) + t);
        if (cycleCache_.empty()) cycleCache_.resize(static_cast<std::size_t>(6 * 3 * 8 * (n_ + 1) * (n_ + 1)));
        Cycle& c = cycleCache_[key];
        if (c.count >= 0) return c;
        c.count = 0;
        const PhysicalMove zk = faceTurn(z, kq, n_);
        const int p = s == t ? -1 : crossing(z, a, zk, s, t);
        if (p < 0) return c;
        for (auto [from, to] : cycleThrough(p, a, s, t, q1, q2, zk))
            if (c.count < 6)
                c.pairs[static_cast<std::size_t>(c.count++)] = {static_cast<std::uint16_t>(from),
                                                                static_cast<std::uint16_t>(to)};
        return c;
    }
    // The cycles of every pair of slices for one way of turning, by s * (n + 1) + t.
    const Cycle* cycleTable(int z, int a, int kq, int q1, int q2) {
        const Cycle* first = &cycleOf(z, a, kq, q1, q2, 0, 0);
        auto& done = rowsDone_[static_cast<std::size_t>(first - cycleCache_.data()) /
                               static_cast<std::size_t>((n_ + 1) * (n_ + 1))];
        if (!done) {
            done = true;
            for (int s = 2; s < n_; ++s)
                for (int t = 2; t < n_; ++t) cycleOf(z, a, kq, q1, q2, s, t);
        }
        return first;
    }
    int gain(const Cycle& cyc, const std::vector<int>& pre) const {
        int g = 0;
        for (int i = 0; i < cyc.count; ++i) {
            const auto [from, to] = cyc.pairs[static_cast<std::size_t>(i)];
            const int c = col_[static_cast<std::size_t>(pre[from])];
            g += weight(cs_.face(to), c) - weight(cs_.face(from), c);
        }
        return g;
    }
    int cycleGain(int a, int s, int t, int q1, int q2, const PhysicalMove& zk, int z, const std::vector<int>& pre) {
        return gain(cycleOf(z, a, zk.quarter, q1, q2, s, t), pre);
    }

    // Pieces into face z one three-cycle (or one block of them) at a time.
    // With `sources`, z is a neighbour of the face being built and the
    // cycles start from its pieces of that face's colour (fewer of them on
    // the biggest cubes, for time); otherwise from the places of z that
    // lack it.
    struct Single {
        int gain = 0, cost = 1, a, s, t, q1, q2, y, j;
        PhysicalMove zk;
    };
    Candidate cycles(int z, bool sources = false) {
        std::vector<Single> found;
        // The places to start from, spread over the whole face.
        std::vector<int> open;
        for (int p : faceCells_[static_cast<std::size_t>(z)])
            if ((col_[static_cast<std::size_t>(p)] == target_[static_cast<std::size_t>(x_)]) == sources)
                open.push_back(p);
        const int cells = sources ? seedCells_ / sourceShare_ : seedCells_;
        const std::size_t grown = sources ? seeds_ / static_cast<std::size_t>(sourceShare_) : seeds_;
        const std::size_t stride = std::max<std::size_t>(1, open.size() / static_cast<std::size_t>(cells + 1));
        std::vector<int> starts;
        for (std::size_t i = 0; i < open.size(); i += stride) starts.push_back(open[i]);
        for (std::size_t i = 1; i < stride; ++i)
            for (std::size_t j = i; j < open.size(); j += stride) starts.push_back(open[j]);
        int tried = 0;
        for (int p : starts) {
            if (!found.empty() && ++tried > cells) break;
            for (int a = 0; a < 3; ++a) {
                if (a == faceAxis(z)) continue;
                const int s = cs_.layer(p, a);
                for (int kq : {1, -1}) {
                    const PhysicalMove zk = faceTurn(z, kq, n_);
                    const int t = cs_.layer(cs_.image(zk, p), a);
                    if (t == s) continue;
                    for (int q1 : {1, -1})
                        for (int q2 : {1, -1}) {
                            const Cycle& pairs = cycleOf(z, a, kq, q1, q2, s, t);
                            for (int y = 0; y <= 6; ++y) {
                                if (y != 0 && (y == z || y == opposite(z) || built_[static_cast<std::size_t>(y)]))
                                    continue;
                                for (int j = y == 0 ? 0 : 1; j < (y == 0 ? 1 : 4); ++j) {
                                    const int g = gain(pairs, preimage(y == 0 ? z : y, j));
                                    if (g > 0) found.push_back({g, 8 + turnCost(j), a, s, t, q1, q2, y, j, zk});
                                }
                            }
                        }
                }
            }
        }
        std::sort(found.begin(), found.end(), [this](const Single& u, const Single& v) {
            return worthier(u.gain, u.cost, v.gain, v.cost, later_);
        });
        Candidate best;
        for (std::size_t i = 0; i < found.size() && i < grown; ++i) {
            const Single& f = found[i];
            Candidate c = grow(f.a, f.s, f.t, f.q1, f.q2, f.zk, z, f.y, f.j, preimage(f.y == 0 ? z : f.y, f.j));
            if (c.better(best, later_)) best = std::move(c);
        }
        return best;
    }

    // Whole blocks of the commutator [slices S, face z, slices T, face z back]
    // chosen at once, for every axis, way of turning and set-up: a turn of a
    // face the slices cross or of z itself. The gain of every pair of
    // slices is tabled; from each row with a gain the columns worth their two
    // moves against the rows are taken, then the rows against those columns,
    // and so on twice. A piece the cycle takes to its own unbuilt face counts
    // a little in the estimate, which favours the cycles that also help the
    // faces built later.
    Candidate blocks(int z) {
        auto& w = weights_;
        for (int f = 1; f <= 6; ++f)
            for (int g = 1; g <= 6; ++g) {
                const int c = target_[static_cast<std::size_t>(g)];
                const bool own = f == g && f != x_ && !built_[static_cast<std::size_t>(f)];
                w[static_cast<std::size_t>(f)][static_cast<std::size_t>(c & 255)] = weight(f, c) + (own ? kOwn : 0);
            }
        const int m = n_ - 2;
        const long slice = 2L * kBuilt * 16;  // a slice more, in the units of `value`
        struct Estimate {
            long value = 0;
            int a, kq, q1, q2, y, j, k;
            std::vector<int> S, T;
        };
        std::vector<Estimate> top;
        const std::size_t keep = 4;
        auto floor = [&] { return top.size() < keep ? std::numeric_limits<long>::min() : top.back().value; };
        struct SetUp {
            int y, j, k;
            std::vector<int> pre;  // where each square's colour comes from after the set-up
        };
        std::vector<SetUp> setUps;
        for (int y = 0; y <= 6; ++y) {
            if (y != 0 && (y == z || y == opposite(z) || built_[static_cast<std::size_t>(y)])) continue;
            for (int j = y == 0 ? 0 : 1; j < (y == 0 ? 1 : 4); ++j)
                for (int k = 0; k < (y == 0 ? 4 : 1); ++k) {
                    SetUp u{y, j, k, preimage(z, k)};
                    if (y != 0)
                        for (auto& i : u.pre) i = preimage(y, j)[static_cast<std::size_t>(i)];
                    setUps.push_back(std::move(u));
                }
        }
        std::vector<int> G(static_cast<std::size_t>(m * m)), seeds, S, T, bestS, bestT;
        std::vector<long> sums(static_cast<std::size_t>(m));
        for (const SetUp& u : setUps)
            for (int a = 0; a < 3; ++a) {
                if (a == faceAxis(z) || (u.y != 0 && faceAxis(u.y) == a)) continue;
                const int setUpCost = this->setUpCost(u.y, u.j, z, u.k);
                for (int kq : {1, -1})
                    for (int q1 : {1, -1})
                        for (int q2 : {1, -1}) {
                            long bound = 0;
                            seeds.clear();
                            const Cycle* table = cycleTable(z, a, kq, q1, q2);
                            for (int s = 0; s < m; ++s) {
                                bool any = false;
                                for (int t = 0; t < m; ++t) {
                                    const Cycle& cyc = table[(s + 2) * (n_ + 1) + t + 2];
                                    int g = 0;
                                    for (int i = 0; i < cyc.count; ++i) {
                                        const auto [from, to] = cyc.pairs[static_cast<std::size_t>(i)];
                                        const auto c = col_[static_cast<std::size_t>(u.pre[from])];
                                        g += w[static_cast<std::size_t>(cs_.face(to))][c] -
                                             w[static_cast<std::size_t>(cs_.face(from))][c];
                                    }
                                    G[static_cast<std::size_t>(s * m + t)] = g;
                                    if (g > 0) bound += g, any = true;
                                }
                                if (any) seeds.push_back(s);
                            }
                            if (bound == 0 || bound * later_ - (7L + setUpCost) * kBuilt * 16 <= floor()) continue;
                            for (int s0 : seeds) {
                                S.assign(1, s0);
                                T.clear();
                                long bestValue = std::numeric_limits<long>::min();
                                for (int round = 0; round < 4; ++round) {
                                    const bool forT = round % 2 == 0;
                                    auto& set = forT ? T : S;
                                    const auto& other = forT ? S : T;
                                    set.clear();
                                    long total = 0;
                                    for (int v = 0; v < m; ++v) {
                                        if (std::find(other.begin(), other.end(), v) != other.end()) continue;
                                        long sum = 0;
                                        for (int o : other)
                                            sum += G[static_cast<std::size_t>(forT ? o * m + v : v * m + o)];
                                        if (sum * later_ > slice) set.push_back(v), total += sum;
                                    }
                                    if (set.empty()) break;
                                    const long size = static_cast<long>(S.size() + T.size());
                                    const long value = total * later_ - (2 * size + 3 + setUpCost) * kBuilt * 16;
                                    if (value > bestValue) bestValue = value, bestS = S, bestT = T;
                                }
                                if (bestValue <= floor()) continue;
                                Estimate e{bestValue, a, kq, q1, q2, u.y, u.j, u.k, bestS, bestT};
                                for (auto* l : {&e.S, &e.T})
                                    for (int& v : *l) v += 2;
                                const bool same = std::any_of(top.begin(), top.end(), [&](const Estimate& o) {
                                    return o.value == e.value && o.S == e.S && o.T == e.T;
                                });
                                if (same) continue;
                                top.push_back(std::move(e));
                                std::stable_sort(top.begin(), top.end(), [](const Estimate& p, const Estimate& q) {
                                    return p.value > q.value;
                                });
                                if (top.size() > keep) top.pop_back();
                            }
                        }
            }
        Candidate best;
        for (const Estimate& e : top) {
            std::vector<PhysicalMove> ms;
            if (e.y != 0) addTurns(ms, faceTurn(e.y, 1, n_), e.j);
            addTurns(ms, faceTurn(z, 1, n_), e.k);
            // The commutator's last turn (z back) is left out: z is not
            // built, so its pieces may stay turned.
            const auto comm = blockCommutator(e.a, e.S, e.T, e.q1, e.q2, faceTurn(z, e.kq, n_));
            ms.insert(ms.end(), comm.begin(), comm.end() - 1);
            Candidate c = exact(std::move(ms));
            if (c.better(best, later_)) best = std::move(c);
        }
        return best;
    }

    // Adds to one three-cycle the slices that bring more pieces with it, one
    // slice at a time while a slice more (two moves) brings a piece more.
    Candidate grow(int a, int s, int t, int q1, int q2, const PhysicalMove& zk, int z, int y, int j,
                   const std::vector<int>& pre) {
        std::vector<int> S{s}, T{t};
        auto inUse = [&](int l) {
            return std::find(S.begin(), S.end(), l) != S.end() || std::find(T.begin(), T.end(), l) != T.end();
        };
        const int worth = z == x_ ? kBuilt - 2 * near_ : std::max(near_, 1);
        for (;;) {
            int bestGain = 0, bestLayer = 0;
            bool toS = true;
            for (int l = 2; l < n_; ++l) {
                if (inUse(l)) continue;
                int gs = 0, gt = 0;
                for (int t2 : T) gs += cycleGain(a, l, t2, q1, q2, zk, z, pre);
                for (int s2 : S) gt += cycleGain(a, s2, l, q1, q2, zk, z, pre);
                if (gs > bestGain) bestGain = gs, bestLayer = l, toS = true;
                if (gt > bestGain) bestGain = gt, bestLayer = l, toS = false;
            }
            if (bestLayer == 0 || bestGain < worth) break;
            (toS ? S : T).push_back(bestLayer);
        }
        std::vector<PhysicalMove> ms;
        if (y != 0) addTurns(ms, faceTurn(y, 1, n_), j);
        const std::size_t setup = ms.size();
        // From 6 up the last turn of z back is left out, as in blocks().
        const int open = merges_ ? 1 : 0;
        const auto comm = blockCommutator(a, S, T, q1, q2, zk);
        ms.insert(ms.end(), comm.begin(), comm.end() - open);
        Candidate c = exact(ms);
        if (S.size() + T.size() > 2) {
            // Should the pieces of the block not add up as expected, the single cycle.
            ms.resize(setup);
            const auto one = blockCommutator(a, {s}, {t}, q1, q2, zk);
            ms.insert(ms.end(), one.begin(), one.end() - open);
            Candidate single = exact(ms);
            if (single.better(c, later_)) return single;
        }
        return c;
    }

    // The first two faces: a column of a neighbour face filled with this
    // face's colour a piece at a time (each by a slice parallel to this face,
    // which touches neither of the two, after a turn of the face it comes
    // from). With nothing built it is turned in by one slice in place of this
    // face's poorest column; with the opposite face built the slice goes back
    // after a turn of this face, taking out the line that turn brings to it.
    Candidate bars() {
        Candidate best;
        const int X = faceAxis(x_);
        const int xc = target_[static_cast<std::size_t>(x_)];
        for (int a = 0; a < 3; ++a) {
            if (a == X) continue;
            for (int dir : {1, -1}) {
                const int y = turnedFace(x_, a, -dir);
                for (int s = 2; s < n_; ++s) {
                    // The middle slice of an odd cube carries the fixed
                    // centres: it always goes back.
                    const bool back = firstDone_ || isMiddle(s);
                    std::vector<int> bar, home;
                    for (int i : layerCells_[static_cast<std::size_t>(a)][static_cast<std::size_t>(s)]) {
                        if (cs_.face(i) == y) bar.push_back(i);
                        if (cs_.face(i) == x_) home.push_back(i);
                    }
                    Colours c = col_;
                    std::vector<PhysicalMove> fills;
                    std::vector<int> quarters;
                    int fillCost = 0;
                    int bestK = -1, bestFills = 0, bestGain = 0, bestCost = 1;
                    std::vector<int> bestQuarters;
                    for (;;) {
                        // The column as it stands, turned in after the best turn of this face.
                        int have = 0;
                        for (int i : bar) have += c[static_cast<std::size_t>(i)] == xc;
                        for (int k = 0; k < 4; ++k) {
                            int lost = 0;
                            if (!back) {
                                for (int i : home)
                                    lost +=
                                        c[static_cast<std::size_t>(preimage(x_, k)[static_cast<std::size_t>(i)])] == xc;
                            } else {
                                // In, this face turned by k, out: the line the
                                // turn brings into the slice leaves, the column
                                // taken in included where it crosses that line.
                                if (k == 0) continue;
                                for (int i : home) {
                                    int d = preimage(x_, k)[static_cast<std::size_t>(i)];
                                    if (cs_.layer(d, a) == s) d = cs_.image({a, s, -dir}, d);
                                    lost += c[static_cast<std::size_t>(d)] == xc;
                                }
                            }
                            const int gain = have - lost, cost = fillCost + turnCost(k) + (back ? 2 : 1);
                            if (worthier(gain * kBuilt, cost, bestGain * kBuilt, bestCost, later_)) {
                                bestGain = gain, bestCost = cost, bestK = k, bestFills = static_cast<int>(fills.size());
                                bestQuarters = quarters;
                            }
                        }
                        // The cheapest piece more for the column.
                        int cheapest = 99, fz = 0, fj = 0, fl = 0, fq = 0;
                        for (int i : bar) {
                            if (c[static_cast<std::size_t>(i)] == xc) continue;
                            const int l = cs_.layer(i, X);
                            if (isMiddle(l)) continue;
                            for (int q : {1, -1, 2}) {
                                int from = cs_.image({X, l, q == 2 ? 1 : -q}, i);
                                if (q == 2) from = cs_.image({X, l, 1}, from);
                                const int z = cs_.face(from);
                                for (int j = 0; j < 4; ++j) {
                                    const int cost = turnCost(j) + (q == 2 ? 2 : 1);
                                    if (cost < cheapest &&
                                        c[static_cast<std::size_t>(preimage(z, j)[static_cast<std::size_t>(from)])] ==
                                            xc)
                                        cheapest = cost, fz = z, fj = j, fl = l, fq = q;
                                }
                            }
                        }
                        if (cheapest == 99) break;
                        std::vector<PhysicalMove> step;
                        addTurns(step, faceTurn(fz, 1, n_), fj);
                        addTurns(step, {X, fl, 1}, fq);
                        cs_.turn(c, step);
                        fills.insert(fills.end(), step.begin(), step.end());
                        fillCost += cheapest;
                        if (fq != 2) quarters.push_back(fl);
                    }
                    if (bestK < 0) continue;
                    Candidate cand;
                    cand.gain = bestGain * kBuilt;
                    cand.cost = bestCost;
                    if (!cand.better(best, later_)) continue;
                    std::vector<PhysicalMove> ms(fills.begin(), fills.begin() + bestFills);
                    if (back) {
                        ms.push_back({a, s, dir});
                        addTurns(ms, faceTurn(x_, 1, n_), bestK);
                        ms.push_back({a, s, -dir});
                    } else {
                        addTurns(ms, faceTurn(x_, 1, n_), bestK);
                        ms.push_back({a, s, dir});
                    }
                    cand = exact(std::move(ms));
                    if (!cand.better(best, later_)) continue;
                    cand.quarterSlices = bestQuarters;
                    if (!back) cand.quarterSlices.push_back(s);
                    best = std::move(cand);
                }
            }
        }
        return best;
    }

    bool build(int x) {
        x_ = x;
        lineCache_.clear();
        int guard = 0;
        bool freeSlicesHelp = true;
        while (missing(x) > 0) {
            if (++guard > 20 * n_ * n_ + 100) return false;
            Candidate best = lineSwaps();
            if (freeSlicesHelp) {
                // Once they bring nothing they are not looked at again for this face.
                Candidate f = freeSlices();
                freeSlicesHelp = f.gain > 0;
                if (f.better(best, later_)) best = std::move(f);
            }
            if (!parityMended_)
                if (Candidate b = bars(); b.better(best, later_)) best = std::move(b);
            // Once the first two faces stand (7 and up), whole blocks, about
            // this face and about each neighbour face, looked for whenever
            // the best step so far costs more than three moves a piece.
            // On the second face of cubes from 8 up they come in too (a
            // commutator turns each slice back, so no wing orbit changes),
            // once the best step costs more than eight moves a piece: there
            // they take the scattered tail the bars leave.
            // Above 10 the first face has them too, about its neighbours only
            // to 15 (above, those cost more time than they save).
            const bool firstBlocks = !firstDone_ && n_ >= 11;
            const bool blocksNow = n_ >= 7 && (parityMended_ || (firstDone_ && n_ >= 8) || firstBlocks);
            const int dearer = !blocksNow ? 10 : parityMended_ ? 3 : 8;
            if (best.gain * dearer < kBuilt * best.cost) {
                if (Candidate c = blocksNow ? blocks(x) : cycles(x); c.better(best, later_)) best = std::move(c);
                // Commutators about a neighbour face, which take its pieces
                // of this face's colour in whole rows more often.
                if (sourceShare_ > 0 && (!firstBlocks || n_ <= 15))
                    for (int z = 1; z <= 6; ++z)
                        if (!built_[static_cast<std::size_t>(z)] && adjacent(z, x))
                            if (Candidate d = blocksNow ? blocks(z) : cycles(z, true); d.better(best, later_))
                                best = std::move(d);
            }
            // Where nothing gains (the last pieces may lie on the opposite
            // face, which no commutator about this face reaches), commutators
            // about a neighbour face: whole blocks where blocks are in use.
            if (best.gain <= 0 && blocksNow)
                for (int z = 1; z <= 6 && best.gain <= 0; ++z)
                    if (!built_[static_cast<std::size_t>(z)] && adjacent(z, x)) best = blocks(z);
            if (best.gain <= 0)
                for (int z = 1; z <= 6 && best.gain <= 0; ++z)
                    if (!built_[static_cast<std::size_t>(z)] && adjacent(z, x)) best = cycles(z);
            if (best.gain <= 0) return false;
            add(best.moves);
            cs_.turn(col_, best.moves);
            for (int sl : best.quarterSlices) oddOrbit_[static_cast<std::size_t>(std::min(sl, n_ + 1 - sl))] ^= true;
        }
        return true;
    }

    const SquareSet& cs_;
    Colours& col_;
    const FaceColours& target_;
    MoveList& out_;
    MoveList tail_;  // the turns about one axis the solution ends with
    int n_;
    int near_;
    // Whether a step costs what it adds to the solution (6 and up) or all
    // its moves (the 4- and 5-cube's greedy ways, used where their search
    // finds nothing, are kept as they were).
    bool merges_ = n_ >= 6;
    int later_ = 0;  // see worthier
    int x_ = 1;
    std::array<bool, 7> built_{};
    bool firstDone_ = false;
    bool parityMended_ = false;        // after the second face: slices are turned by halves only
    std::array<bool, 21> oddOrbit_{};  // by orbit: the quarter turns of its slices so far
    std::array<std::vector<int>, 7> faceCells_;
    std::array<std::array<std::vector<int>, 21>, 3> layerCells_;
    std::array<std::array<std::vector<int>, 4>, 7> pre_;
    // How widely a step looks for three-cycles to grow into blocks: small
    // cubes can afford to look at more of them.
    int seedCells_ = 6;
    int sourceShare_ = 0;  // the share of those for cycles about a neighbour face (0: none)
    std::size_t seeds_ = 6;
    std::vector<std::pair<bool, Pairs>> lineCache_;  // for the face being built
    std::map<std::tuple<int, int, int>, std::vector<int>> crossings_;
    std::vector<Cycle> cycleCache_;
    std::array<bool, 6 * 3 * 8> rowsDone_{};         // cycleTable: the ways of turning worked out in full
    std::array<std::array<int, 256>, 7> weights_{};  // blocks: weight by face and colour
};

}  // namespace

std::vector<CentresWay> centresWays(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                    std::size_t most) {
    // Cubes to 15 try several first faces (and those to 10 several weights
    // of a piece next to the face being built) and keep the shortest. Above
    // 10 such a piece counts nothing: the steps then take the face's colour
    // off its neighbours freely, which comes out shorter there.
    const int n = centres.n();
    const std::size_t tries = n <= 10 ? 6 : n <= 15 ? 2 : 1;
    const std::vector<int> nears = n <= 7    ? std::vector<int>{1, 0, 4, 2, 16}
                                   : n <= 10 ? std::vector<int>{1, 0}
                                             : std::vector<int>{0};
    MoveList scratch;
    Colours look = colours;
    const std::vector<int> firsts = CentreSolver(centres, look, target, scratch).facesByMissing();
    std::vector<CentresWay> ways;
    for (std::size_t t = 0; t < tries * nears.size(); ++t) {
        CentresWay way{{}, colours};
        if (!CentreSolver(centres, way.colours, target, way.moves, nears[t / tries]).run(firsts[t % tries])) continue;
        const auto same = [&](const CentresWay& o) { return o.moves.moves() == way.moves.moves(); };
        if (std::none_of(ways.begin(), ways.end(), same)) ways.push_back(std::move(way));
    }
    // Equally long ways keep the order they were found in.
    std::stable_sort(ways.begin(), ways.end(),
                     [](const CentresWay& a, const CentresWay& b) { return a.moves.length() < b.moves.length(); });
    if (ways.size() > most) ways.resize(most);
    return ways;
}

}  // namespace vx::solver::big
