#include "solver/big/edges.h"

#include <algorithm>
#include <cstdlib>
#include <functional>
#include <map>
#include <tuple>

namespace vx::solver::big {
namespace {

using Pairs = std::vector<std::pair<int, int>>;

// The commutator [slices S along the edge, F1 F2 F1']: F1 is a face on the
// edge, F2 the face across the axis that F1's turn brings the edge to. The
// slices and the conjugated turn share one piece of the edge in each slice,
// so every slice three-cycles the edge pieces of its layer and nothing else
// moves; the centres the slices carry away come back unturned. Each slice
// meets the conjugated turn in that one piece alone, so each may turn either
// way: a slice given as -s turns against q1.
std::vector<PhysicalMove> wingCommutator(int axis, const std::vector<int>& S, int q1, const PhysicalMove& f1,
                                         const PhysicalMove& f2) {
    const PhysicalMove f1b{f1.axis, f1.layer, -f1.quarter}, f2b{f2.axis, f2.layer, -f2.quarter};
    std::vector<PhysicalMove> ms;
    for (int s : S) ms.push_back({axis, std::abs(s), s > 0 ? q1 : -q1});
    ms.insert(ms.end(), {f1, f2, f1b});
    for (int s : S) ms.push_back({axis, std::abs(s), s > 0 ? -q1 : q1});
    ms.insert(ms.end(), {f1, f2b, f1b});
    return ms;
}

// A turn as it is after the whole cube is turned by r (r[k]: where axis k goes).
PhysicalMove rotated(const PhysicalMove& m, const std::array<Vec3, 3>& r, int n) {
    const Vec3 to = r[static_cast<std::size_t>(m.axis)];
    const int axis = to.x != 0 ? 0 : to.y != 0 ? 1 : 2;
    const int sign = to[axis];
    return {axis, sign > 0 ? m.layer : n + 1 - m.layer, sign * m.quarter};
}

// Outer turns that bring an edge back to its place the other way round and
// leave the other three edges along its axis where they are, turning the
// four faces round that axis by nothing in all: R' U F' R U' for the edge
// between the right and top faces, turned as a whole for the others.
std::vector<PhysicalMove> flipInPlace(const EdgeSlot& e, int n) {
    const std::vector<PhysicalMove> base = {{0, n, 1}, {1, n, -1}, {2, n, 1}, {0, n, -1}, {1, n, 1}};
    const Vec3 want =
        squarePosition(e.first.a, e.first.b, e.first.f, n) + squarePosition(e.second.a, e.second.b, e.second.f, n);
    std::array<int, 3> perm{0, 1, 2};
    do {
        for (int signs = 0; signs < 8; ++signs) {
            std::array<Vec3, 3> r{};
            for (int k = 0; k < 3; ++k)
                r[static_cast<std::size_t>(k)] = unit(perm[static_cast<std::size_t>(k)], signs >> k & 1 ? -1 : 1);
            if (dot(r[0], cross(r[1], r[2])) != 1) continue;
            // The base edge's direction (1, 1, 0) must go to this edge's, across the axis.
            const Vec3 d = r[0] + r[1];
            if (d[e.axis] != 0 || dot(d, want) != 2 * (2 * n - 1)) continue;
            std::vector<PhysicalMove> ms;
            for (const auto& m : base) ms.push_back(rotated(m, r, n));
            return ms;
        }
    } while (std::next_permutation(perm.begin(), perm.end()));
    return {};
}

class EdgeSolver {
public:
    EdgeSolver(const SquareSet& ws, Colours& col, MoveList& out, const LeadParity& parity)
        : ws_(ws),
          col_(col),
          out_(out),
          parity_(parity),
          n_(ws.n()),
          slots_(edgeSlots(n_)),
          slotOf_(static_cast<std::size_t>(ws.size()), -1) {
        for (std::size_t i = 0; i < slots_.size(); ++i) {
            const EdgeSlot& s = slots_[i];
            const std::array<int, 2> st{ws_.find(s.first.a, s.first.b, s.first.f),
                                        ws_.find(s.second.a, s.second.b, s.second.f)};
            stickers_.push_back(st);
            slotOf_[static_cast<std::size_t>(st[0])] = slotOf_[static_cast<std::size_t>(st[1])] = static_cast<int>(i);
        }
        ref_ = n_ % 2 == 1 ? (n_ + 1) / 2 : n_ / 2;
        for (int e = 0; e < 12; ++e) flips_.push_back(flipInPlace(slots_[static_cast<std::size_t>(slot(e, 2))], n_));
        if (n_ >= 10) deepLeft_ = 60;
    }

    bool run() {
        if (n_ % 2 == 0) {
            pairing_ = true;
            active_ = {n_ / 2, n_ / 2 + 1};
            if (!stage()) return false;
            if (parity_.odd && parity_.odd(out_)) swapLeads();
        }
        pairing_ = false;
        active_.clear();
        for (int l = 2; l < n_; ++l)
            if (l != ref_ && !(n_ % 2 == 0 && l == n_ / 2 + 1)) active_.push_back(l);
        return active_.empty() || stage();
    }

private:
    int slot(int edge, int layer) const { return edge * (n_ - 2) + layer - 2; }

    template <class C>
    bool same(int s, int r, const C& c) const {
        return c(stickers_[static_cast<std::size_t>(s)][0]) == c(stickers_[static_cast<std::size_t>(r)][0]) &&
               c(stickers_[static_cast<std::size_t>(s)][1]) == c(stickers_[static_cast<std::size_t>(r)][1]);
    }
    template <class C>
    int edgeScore(int e, const C& c) const {
        if (pairing_) return same(slot(e, n_ / 2), slot(e, n_ / 2 + 1), c) ? 1 : 0;
        int k = 0;
        for (int l : active_) k += same(slot(e, l), slot(e, ref_), c);
        return k;
    }
    int score(const Colours& c) const {
        auto at = [&](int i) { return c[static_cast<std::size_t>(i)]; };
        int k = 0;
        for (int e = 0; e < 12; ++e) k += edgeScore(e, at);
        return k;
    }
    // The score once every edge is paired in the layers of this stage, and one edge's share.
    int full() const { return 12 * edgeFull(); }
    int edgeFull() const { return pairing_ ? 1 : static_cast<int>(active_.size()); }

    // The squares the commutator of one slice moves, as (from, to), and the
    // places it fills: (place, where its first and second squares come
    // from, the edge's leading place).
    struct Cycle {
        bool done = false;
        Pairs pairs;
        std::vector<std::array<int, 4>> fills;
    };
    const Pairs& cyclePairs(int edge, int shape, int layer) { return cycle(edge, shape, layer).pairs; }
    const Cycle& cycle(int edge, int shape, int layer) {
        const auto key = static_cast<std::size_t>((edge * kShapes + shape) * (n_ + 1) + layer);
        if (cache_.empty()) cache_.resize(static_cast<std::size_t>(12 * kShapes * (n_ + 1)));
        Cycle& c = cache_[key];
        if (c.done) return c;
        c.done = true;
        Pairs& p = c.pairs;
        const auto ms = commutator(edge, shape, {layer});
        // Only pieces of the slice's own orbit can move.
        for (std::size_t s = 0; s < slots_.size(); ++s) {
            if (slots_[s].layer != layer && slots_[s].layer != n_ + 1 - layer) continue;
            for (int i : stickers_[s]) {
                const int to = ws_.image(ms, i);
                if (to != i) p.emplace_back(i, to);
            }
        }
        for (auto [from, to] : p) {
            const int t = slotOf_[static_cast<std::size_t>(to)];
            const auto& st = stickers_[static_cast<std::size_t>(t)];
            if (st[0] != to) continue;
            const int from2 = std::find_if(p.begin(), p.end(), [&](auto q) { return q.second == st[1]; })->first;
            c.fills.push_back({t, from, from2, slot(slots_[static_cast<std::size_t>(t)].edge, ref_)});
        }
        return c;
    }
    // Shapes 0..15: the slices against a face turned on and off the edge
    // (which face of the edge, each way, and each way for the slices);
    // 16..19: the slices against the edge turned over in its place.
    static constexpr int kShapes = 20;
    std::vector<PhysicalMove> commutator(int edge, int shape, const std::vector<int>& S) const {
        const EdgeSlot& e = slots_[static_cast<std::size_t>(slot(edge, 2))];
        const int q1 = shape & 1 ? -1 : 1;
        if (shape >= 16) {
            std::vector<PhysicalMove> b = flips_[static_cast<std::size_t>(edge)];
            if (shape >= 18) {
                std::reverse(b.begin(), b.end());
                for (auto& m : b) m.quarter = -m.quarter;
            }
            std::vector<PhysicalMove> ms;
            for (int s : S) ms.push_back({e.axis, s, q1});
            ms.insert(ms.end(), b.begin(), b.end());
            for (int s : S) ms.push_back({e.axis, s, -q1});
            for (auto it = b.rbegin(); it != b.rend(); ++it) ms.push_back({it->axis, it->layer, -it->quarter});
            return ms;
        }
        const int f1face = shape & 8 ? e.second.f : e.first.f;
        const PhysicalMove f1 = faceTurn(f1face, shape & 4 ? -1 : 1, n_);
        // Where F1 takes this edge: onto the face across the edge's axis.
        const FaceSquare& moved = ws_.square(ws_.image(f1, stickers_[static_cast<std::size_t>(slot(edge, 2))][0]));
        const int side = squarePosition(moved.a, moved.b, moved.f, n_)[e.axis] > 0 ? 1 : -1;
        const int f2face = faceFacing(unit(e.axis, side));
        return wingCommutator(e.axis, S, q1, f1, faceTurn(f2face, shape & 2 ? -1 : 1, n_));
    }

    struct Option {
        int gain = 0, cost = 1;
        std::vector<PhysicalMove> moves;
    };

    // The gain of one slice's three-cycle after the set-up moves, whose
    // colours `pre` gives.
    template <class C>
    int cycleGain(const Pairs& p, const C& pre) const {
        auto after = [&](int i) {
            for (auto [from, to] : p)
                if (to == i) return pre(from);
            return pre(i);
        };
        std::array<int, 12> edges{};
        int k = 0;
        for (auto [from, to] : p) {
            const int e = slots_[static_cast<std::size_t>(slotOf_[static_cast<std::size_t>(to)])].edge;
            if (std::find(edges.begin(), edges.begin() + k, e) == edges.begin() + k)
                edges[static_cast<std::size_t>(k++)] = e;
        }
        int g = 0;
        for (int i = 0; i < k; ++i)
            g += edgeScore(edges[static_cast<std::size_t>(i)], after) -
                 edgeScore(edges[static_cast<std::size_t>(i)], pre);
        return g;
    }

    // The same for the layers that follow a leading piece, which the cycle
    // does not move: only the places it fills change.
    int leadGain(const Cycle& cy, const Colours& c) const {
        int g = 0;
        for (const auto& [t, from, from2, r] : cy.fills) {
            const auto& st = stickers_[static_cast<std::size_t>(t)];
            const auto& ref = stickers_[static_cast<std::size_t>(r)];
            const auto r0 = c[static_cast<std::size_t>(ref[0])], r1 = c[static_cast<std::size_t>(ref[1])];
            g += (c[static_cast<std::size_t>(from)] == r0 && c[static_cast<std::size_t>(from2)] == r1) -
                 (c[static_cast<std::size_t>(st[0])] == r0 && c[static_cast<std::size_t>(st[1])] == r1);
        }
        return g;
    }

    void consider(int edge, const std::vector<PhysicalMove>& setup, Option& best) {
        Colours& c = work_;
        c = col_;
        ws_.turn(c, setup);
        auto pre = [&](int i) { return c[static_cast<std::size_t>(i)]; };
        const auto stride = static_cast<std::size_t>(n_ + 1);
        if (!pairing_) {
            gains_.assign(kShapes * stride, 0);
            for (int shape = 0; shape < kShapes; ++shape)
                for (int l : active_)
                    gains_[static_cast<std::size_t>(shape) * stride + static_cast<std::size_t>(l)] =
                        leadGain(cycle(edge, shape, l), c);
        }
        auto gain = [&](int shape, int l) {
            return gains_[static_cast<std::size_t>(shape) * stride + static_cast<std::size_t>(l)];
        };
        for (int shape = 0; shape < kShapes; ++shape) {
            std::vector<int> S;
            int g = 0;
            if (pairing_) {
                // One of the two inner layers, or both.
                const Pairs& lo = cyclePairs(edge, shape, n_ / 2);
                const Pairs& hi = cyclePairs(edge, shape, n_ / 2 + 1);
                Pairs both = lo;
                both.insert(both.end(), hi.begin(), hi.end());
                using Choice = std::pair<std::vector<int>, const Pairs*>;
                const std::array<Choice, 3> choices = {Choice{{n_ / 2}, &lo}, Choice{{n_ / 2 + 1}, &hi},
                                                       Choice{{n_ / 2, n_ / 2 + 1}, &both}};
                for (const auto& [choice, pairs] : choices) {
                    const int gi = cycleGain(*pairs, pre);
                    if (gi * static_cast<int>(2 * S.size() + 3) > g * static_cast<int>(2 * choice.size() + 3)) {
                        S = choice;
                        g = gi;
                    }
                }
            } else if (shape < 16) {
                // Each slice the way that pairs more (shape and shape ^ 1
                // differ only in the slices' direction: the even shape
                // takes the mixed choices, the odd one only its own way).
                for (int l : active_) {
                    const int gi = gain(shape, l);
                    const int go = shape & 1 ? 0 : gain(shape ^ 1, l);
                    if (gi > 0 && gi >= go) {
                        S.push_back(l);
                        g += gi;
                    } else if (go > 0) {
                        S.push_back(-l);
                        g += go;
                    }
                }
            } else {
                for (int l : active_) {
                    const int gi = gain(shape, l);
                    if (gi > 0) {
                        S.push_back(l);
                        g += gi;
                    }
                }
            }
            if (g <= 0) continue;
            const int raw = static_cast<int>(setup.size()) + 2 * static_cast<int>(S.size()) + (shape >= 16 ? 5 : 3);
            // The set-up may cancel against the turns the last step ended with.
            if (best.gain > 0 && g * best.cost <= best.gain * (raw - kMerge)) continue;
            std::vector<PhysicalMove> ms = setup;
            const auto comm = commutator(edge, shape, S);
            ms.insert(ms.end(), comm.begin(), comm.end());
            dropOuterTail(ms);
            const int cost = tail_.addedLength(ms);
            if (best.gain > 0 && g * best.cost <= best.gain * cost) continue;
            int exact = g;
            if (pairing_) {
                // The two inner layers' cycles may meet on an edge: counted on the whole.
                Colours after = col_;
                ws_.turn(after, ms);
                exact = score(after) - score(col_);
            }
            if (exact > 0 && (best.gain <= 0 || exact * best.cost > best.gain * cost)) {
                best = {exact, cost, ms};
                if (pooling_) pool_.push_back(best);
            }
        }
    }

    // The inner pairs of even cubes to 15 (two layers, cheap to look at)
    // always look at two set-up turns too. Cubes up to 15 also look at them
    // where the best with one costs this many moves a piece or more, for at
    // most deepLeft_ edges in
    // all (a count of work, so that a solve stays within its time: 24 to 9,
    // 60 from 10, where a step is dearer to look at but the time allows). The
    // set-ups of one turn: nothing and twelve single turns.
    static constexpr int kPoor = 4, kDeepUpTo = 15;
    static constexpr std::size_t kSingleSetups = 13;
    int deepLeft_ = 24;

    // Turns of outer layers at the end of a step are left out: they move
    // whole edges (no piece is paired or parted by them) and turn a face's
    // centres in place, so the step pairs as many pieces without them. A
    // commutator [slices, F1 F2 F1'] is thus made as slices, F1 F2 F1',
    // slices back: the centres the slices carry away come back, the edges
    // F1 F2 F1' moved stay where it left them, for the 3-cube stage.
    void dropOuterTail(std::vector<PhysicalMove>& ms) const {
        while (!ms.empty() && (ms.back().layer == 1 || ms.back().layer == n_)) ms.pop_back();
    }

    // A step costs what it adds to the solution: its first turns may cancel
    // or merge with the turns about one axis the solution ends with (tail_),
    // by kMerge moves at most.
    static constexpr int kMerge = 4;
    void keepTail() { tail_ = out_.lastAxis(); }

    // The best step with at most one set-up turn once `first` is made.
    Option bestAfter(const Option& first) {
        const Colours saved = col_;
        const MoveList savedTail = tail_;
        ws_.turn(col_, first.moves);
        MoveList t = tail_;
        t.add(first.moves);
        tail_ = t.lastAxis();
        Option best;
        auto now = [&](int i) { return col_[static_cast<std::size_t>(i)]; };
        for (int edge = 0; edge < 12; ++edge)
            if (edgeScore(edge, now) < edgeFull())
                for (const auto& s : setups(edge, false)) consider(edge, s, best);
        col_ = saved;
        tail_ = savedTail;
        return best;
    }

    // Turns made first (and not undone: they move whole edges): nothing, or
    // one turn of a face the edge is not on.
    std::vector<std::vector<PhysicalMove>> setups(int edge, bool deep) const {
        const EdgeSlot& e = slots_[static_cast<std::size_t>(slot(edge, 2))];
        std::vector<std::vector<PhysicalMove>> all{{}};
        for (int f = 1; f <= 6; ++f) {
            if (f == e.first.f || f == e.second.f) continue;
            all.push_back({faceTurn(f, 1, n_)});
            all.push_back({faceTurn(f, 1, n_), faceTurn(f, 1, n_)});
            all.push_back({faceTurn(f, -1, n_)});
        }
        if (deep) {
            // Two turns of faces the edge is not on: always on small cubes,
            // on big ones where one turn finds nothing or little.
            const std::size_t one = all.size();
            for (std::size_t i = 1; i < one; ++i)
                for (std::size_t j = 1; j < one; ++j) {
                    if (all[i][0].axis == all[j][0].axis) continue;
                    auto both = all[i];
                    both.insert(both.end(), all[j].begin(), all[j].end());
                    all.push_back(both);
                }
        }
        return all;
    }

    // What each place of the layers being paired should show once paired:
    // the leading piece's colours, or for the inner pair of an even cube the
    // pairs as they stand where they already are, the rest anywhere.
    std::vector<std::array<int, 2>> targets() const {
        std::vector<std::array<int, 2>> want(slots_.size(), {-1, -1});
        auto at = [&](int s, int k) {
            return static_cast<int>(
                col_[static_cast<std::size_t>(stickers_[static_cast<std::size_t>(s)][static_cast<std::size_t>(k)])]);
        };
        std::vector<std::array<int, 2>> shows(12);
        if (!pairing_) {
            for (int e = 0; e < 12; ++e)
                shows[static_cast<std::size_t>(e)] = {at(slot(e, ref_), 0), at(slot(e, ref_), 1)};
        } else {
            std::vector<std::array<int, 2>> free;
            std::vector<bool> used(12, false);
            auto taken = [&](int x, int y) {
                for (int e = 0; e < 12; ++e)
                    if (used[static_cast<std::size_t>(e)]) {
                        const auto& w = shows[static_cast<std::size_t>(e)];
                        if ((w[0] == x && w[1] == y) || (w[0] == y && w[1] == x)) return true;
                    }
                return false;
            };
            for (int e = 0; e < 12; ++e) {
                const int x = at(slot(e, n_ / 2), 0), y = at(slot(e, n_ / 2), 1);
                if (taken(x, y)) continue;
                used[static_cast<std::size_t>(e)] = true;
                shows[static_cast<std::size_t>(e)] = {x, y};
            }
            // The pairs no edge leads with yet go to the edges left.
            for (int e = 0; e < 12; ++e)
                for (int l : {n_ / 2, n_ / 2 + 1}) {
                    const int x = at(slot(e, l), 0), y = at(slot(e, l), 1);
                    if (!taken(x, y) && std::find_if(free.begin(), free.end(), [&](const auto& w) {
                                            return (w[0] == x && w[1] == y) || (w[0] == y && w[1] == x);
                                        }) == free.end())
                        free.push_back({x, y});
                }
            for (int e = 0; e < 12; ++e)
                if (!used[static_cast<std::size_t>(e)]) {
                    shows[static_cast<std::size_t>(e)] = free.back();
                    free.pop_back();
                }
        }
        for (int e = 0; e < 12; ++e)
            for (int l : active_) want[static_cast<std::size_t>(slot(e, l))] = shows[static_cast<std::size_t>(e)];
        if (pairing_)
            for (int e = 0; e < 12; ++e)
                want[static_cast<std::size_t>(slot(e, n_ / 2))] = shows[static_cast<std::size_t>(e)];
        return want;
    }

    // Where each piece of the layers being paired has to go: dest[s] is the
    // place the piece now at s belongs in (-1 for places not paired now).
    std::vector<int> destinations(const std::vector<std::array<int, 2>>& want) const {
        return destinations(want, col_);
    }
    std::vector<int> destinations(const std::vector<std::array<int, 2>>& want, const Colours& col) const {
        std::vector<int> dest(slots_.size(), -1);
        for (std::size_t s = 0; s < slots_.size(); ++s) {
            if (want[s][0] < 0) continue;
            const int x = col[static_cast<std::size_t>(stickers_[s][0])],
                      y = col[static_cast<std::size_t>(stickers_[s][1])];
            const int k = std::min(slots_[s].layer, n_ + 1 - slots_[s].layer);
            for (std::size_t t = 0; t < slots_.size(); ++t)
                if (want[t][0] >= 0 && (slots_[t].layer == k || slots_[t].layer == n_ + 1 - k) &&
                    wingFits(slots_[s], x, y, slots_[t], want[t][0], want[t][1], n_))
                    dest[s] = static_cast<int>(t);
        }
        return dest;
    }

    int slotImage(const PhysicalMove& m, int s) const {
        return slotOf_[static_cast<std::size_t>(ws_.image(m, stickers_[static_cast<std::size_t>(s)][0]))];
    }

    // Three pieces round (the piece at x to y, y's to z, z's to x): a
    // commutator that does it for three other places, moved onto these by
    // turns made before and undone after.
    bool threeCycle(int x, int y, int z, Option& out) {
        std::vector<int> layers(static_cast<std::size_t>(n_));
        for (int l = 1; l <= n_; ++l) layers[static_cast<std::size_t>(l - 1)] = l;
        return threeCycle(x, y, z, out, 3, layers);
    }
    // The same with set-ups of at most `most` turns of the given layers.
    bool threeCycle(int x, int y, int z, Option& out, int most, const std::vector<int>& layers) {
        if (base_.empty()) buildBase();
        const auto& base = base_;
        std::vector<PhysicalMove> all;
        for (int axis = 0; axis < 3; ++axis)
            for (int layer : layers)
                for (int q : {1, -1}) all.push_back({axis, layer, q});
        std::vector<PhysicalMove> setup;
        std::function<bool(std::array<int, 3>, int)> search = [&](std::array<int, 3> at, int depth) {
            const auto it = base.find(at);
            if (it != base.end()) {
                const auto [edge, shape, l] = it->second;
                std::vector<PhysicalMove> ms = setup;
                const auto comm = commutator(edge, shape, {l});
                ms.insert(ms.end(), comm.begin(), comm.end());
                for (auto r = setup.rbegin(); r != setup.rend(); ++r) ms.push_back({r->axis, r->layer, -r->quarter});
                out = {1, static_cast<int>(ms.size()), ms};
                return true;
            }
            if (depth == 0) return false;
            for (const PhysicalMove& m : all) {
                setup.push_back(m);
                if (search({slotImage(m, at[0]), slotImage(m, at[1]), slotImage(m, at[2])}, depth - 1)) return true;
                setup.pop_back();
            }
            return false;
        };
        for (int depth = 0; depth <= most; ++depth)
            if (search({x, y, z}, depth)) return true;
        return false;
    }

    // Every three places one slice's commutator cycles, in each of its
    // three readings, and the commutator (edge, shape, layer).
    void buildBase() {
        auto& base = base_;
        for (int edge = 0; edge < 12; ++edge)
            for (int shape = 0; shape < kShapes; ++shape)
                for (int l = 2; l < n_; ++l) {
                    if (n_ % 2 == 1 && 2 * l == n_ + 1) continue;
                    const Pairs& p = cyclePairs(edge, shape, l);
                    if (p.size() != 6) continue;
                    std::map<int, int> next;
                    for (auto [from, to] : p)
                        next[slotOf_[static_cast<std::size_t>(from)]] = slotOf_[static_cast<std::size_t>(to)];
                    const int u = next.begin()->first, v = next[u], w = next[v];
                    for (const auto& key : {std::array{u, v, w}, std::array{v, w, u}, std::array{w, u, v}})
                        base.emplace(key, std::make_tuple(edge, shape, l));
                }
    }

    // The inner pairs of an even cube are paired but leave the reduced cube
    // needing two edges swapped: two of the pairs exchanged instead (two
    // three-cycles of their pieces, each set up by turns of the layers that
    // hold them), the cheapest exchange found, where it is shorter than the
    // swap.
    void swapLeads() {
        // Two commutators of eight turns at least.
        if (parity_.swapLength <= 16) return;
        const int lo = n_ / 2, hi = lo + 1;
        const std::vector<int> layers = {1, lo, hi, n_};
        std::vector<std::array<int, 2>> shows(12);
        for (int e = 0; e < 12; ++e) {
            const auto& st = stickers_[static_cast<std::size_t>(slot(e, lo))];
            shows[static_cast<std::size_t>(e)] = {col_[static_cast<std::size_t>(st[0])],
                                                  col_[static_cast<std::size_t>(st[1])]};
        }
        std::vector<PhysicalMove> best;
        std::size_t limit = static_cast<std::size_t>(parity_.swapLength);
        for (int a = 0; a < 12; ++a)
            for (int b = a + 1; b < 12; ++b)
                for (int turned = 0; turned < 4; ++turned) {
                    std::vector<std::array<int, 2>> want(slots_.size(), {-1, -1});
                    for (int e = 0; e < 12; ++e) {
                        auto w = shows[static_cast<std::size_t>(e == a ? b : e == b ? a : e)];
                        if ((e == a && turned & 1) || (e == b && turned & 2)) std::swap(w[0], w[1]);
                        for (int l : {lo, hi}) want[static_cast<std::size_t>(slot(e, l))] = w;
                    }
                    Colours c = col_;
                    std::vector<PhysicalMove> ms;
                    bool done = false;
                    for (int round = 0; round < 3 && ms.size() < limit; ++round) {
                        const std::vector<int> dest = destinations(want, c);
                        std::vector<int> wrong;
                        for (std::size_t s = 0; s < slots_.size(); ++s)
                            if (dest[s] >= 0 && dest[s] != static_cast<int>(s)) wrong.push_back(static_cast<int>(s));
                        if (wrong.empty()) {
                            done = true;
                            break;
                        }
                        if (wrong.size() < 3) break;
                        const int x = wrong[0], y = dest[static_cast<std::size_t>(x)];
                        int z = dest[static_cast<std::size_t>(y)];
                        if (z == x || z < 0)
                            for (int s : wrong)
                                if (s != x && s != y) z = s;
                        Option o;
                        if (!threeCycle(x, y, z, o, 2, layers)) break;
                        ms.insert(ms.end(), o.moves.begin(), o.moves.end());
                        ws_.turn(c, o.moves);
                    }
                    if (done && ms.size() < limit) {
                        best = ms;
                        limit = ms.size();
                    }
                }
        if (best.empty()) return;
        dropOuterTail(best);
        out_.add(best);
        ws_.turn(col_, best);
    }

    // When no commutator gains as it stands: the pieces that are not yet
    // where they belong, three at a time.
    bool targeted(Option& best) {
        auto want = targets();
        std::vector<int> dest = destinations(want);
        std::vector<int> wrong;
        auto misplaced = [&] {
            wrong.clear();
            for (std::size_t s = 0; s < slots_.size(); ++s)
                if (dest[s] >= 0 && dest[s] != static_cast<int>(s)) wrong.push_back(static_cast<int>(s));
        };
        misplaced();
        if (pairing_ && wrong.size() == 2) {
            // A lone swap cannot be made: the same pairs with one edge the other way round.
            const int e = slots_[static_cast<std::size_t>(wrong[0])].edge;
            for (int l : {n_ / 2, n_ / 2 + 1})
                std::swap(want[static_cast<std::size_t>(slot(e, l))][0], want[static_cast<std::size_t>(slot(e, l))][1]);
            dest = destinations(want);
            misplaced();
        }
        auto orbit = [&](int s) {
            return std::min(slots_[static_cast<std::size_t>(s)].layer,
                            n_ + 1 - slots_[static_cast<std::size_t>(s)].layer);
        };
        if (wrong.size() < 3) return false;
        const int x = wrong[0], y = dest[static_cast<std::size_t>(x)];
        int z = dest[static_cast<std::size_t>(y)];
        if (z == x || z < 0) {
            z = -1;
            for (int s : wrong)
                if (s != x && s != y && orbit(s) == orbit(x)) z = s;
            if (z < 0) return false;
        }
        if (!threeCycle(x, y, z, best)) return false;
        dropOuterTail(best.moves);
        Colours after = col_;
        ws_.turn(after, best.moves);
        best.gain = score(after) - score(col_);
        return true;
    }

    bool stage() {
        int guard = 0;
        while (score(col_) < full()) {
            if (++guard > 40 * n_ * n_) return false;
            Option best;
            keepTail();
            pool_.clear();
            pooling_ = n_ >= kAheadFrom;
            auto now = [&](int i) { return col_[static_cast<std::size_t>(i)]; };
            int open = 0;
            for (int edge = 0; edge < 12; ++edge) open += edgeScore(edge, now) < edgeFull();
            for (int look = 0; look < 2; ++look) {
                const bool deep = look == 1 || n_ <= 7 || (pairing_ && n_ <= kDeepUpTo);
                for (int edge = 0; edge < 12; ++edge)
                    if (edgeScore(edge, now) < edgeFull()) {
                        const auto all = setups(edge, deep);
                        // The second look skips the single turns the first made.
                        for (std::size_t i = look == 1 ? kSingleSetups : 0; i < all.size(); ++i)
                            consider(edge, all[i], best);
                    }
                if (deep ||
                    (best.gain > 0 && !(n_ <= kDeepUpTo && best.cost >= kPoor * best.gain && open <= deepLeft_)))
                    break;
                if (best.gain > 0) deepLeft_ -= open;
            }
            pooling_ = false;
            if (best.gain > 0 && pool_.size() > 1) {
                // The last few that were the best in turn, each with the best
                // step after it: the pair that pairs most for its moves.
                const std::vector<Option> last(pool_.end() - std::min<std::ptrdiff_t>(kAhead, std::ssize(pool_)),
                                               pool_.end());
                long bg = 0, bc = 1;
                for (const Option& o : last) {
                    const Option next = score(col_) + o.gain < full() ? bestAfter(o) : Option{0, 0, {}};
                    const long g = o.gain + std::max(next.gain, 0), c = o.cost + (next.gain > 0 ? next.cost : 0);
                    if (g * bc > bg * c) {
                        bg = g;
                        bc = c;
                        best = o;
                    }
                }
            }
            if (best.gain > 0) {
                Colours after = col_;
                ws_.turn(after, best.moves);
                if (score(after) <= score(col_)) best = {};
            }
            if (best.gain <= 0 && !targeted(best)) return false;
            out_.add(best.moves);
            ws_.turn(col_, best.moves);
        }
        return true;
    }

    const SquareSet& ws_;
    Colours& col_;
    MoveList& out_;
    const LeadParity& parity_;
    int n_;
    std::vector<EdgeSlot> slots_;
    std::vector<std::array<int, 2>> stickers_;
    std::vector<int> slotOf_;
    int ref_ = 2;
    bool pairing_ = false;
    std::vector<int> active_;
    std::vector<std::vector<PhysicalMove>> flips_;
    std::vector<Cycle> cache_;
    Colours work_;
    std::vector<int> gains_;
    // The steps that were the best in turn while the current step is looked
    // for. Cubes from 5 up weigh the last kAhead of them by the best step
    // that follows each (a look two steps ahead, paid for from 7 up with
    // fewer start turns).
    std::vector<Option> pool_;
    bool pooling_ = false;
    static constexpr std::ptrdiff_t kAhead = 2;
    static constexpr int kAheadFrom = 5;
    MoveList tail_;
    std::map<std::array<int, 3>, std::tuple<int, int, int>> base_;
};

}  // namespace

bool pairEdges(const SquareSet& wings, Colours& colours, MoveList& out, const LeadParity& parity) {
    return EdgeSolver(wings, colours, out, parity).run();
}

}  // namespace vx::solver::big
