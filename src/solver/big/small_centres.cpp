#include "solver/big/small_centres.h"

#include <algorithm>

#include "solver/big/orbit_tables.h"

namespace vx::solver::big {
namespace {

// A move of the search: layer li (0..3: layers 1, 2, n - 1, n) of an axis
// turned `quarters` (1, 2 or 3) quarter turns clockwise.
struct Move {
    std::uint8_t axis, li, quarters;
};

struct OrbitState {
    Mask axis0 = 0, axis1 = 0, positive = 0;  // where those colours stand
};

struct State {
    std::array<OrbitState, 2> orbit{};
    bool odd = false;  // the wing orbit's parity against the start
};

struct Candidate {
    int estimate = 0;
    std::vector<Move> moves;
    State end;
};

constexpr int kStageOneSlack = 2;
constexpr int kStageTwoSlack = 2;
constexpr std::size_t kKept = 12;
constexpr int kFirstsAPass = 40;

class Search {
public:
    explicit Search(std::vector<const OrbitTables*> tables) : t_(std::move(tables)) {
        for (std::uint8_t axis = 0; axis < 3; ++axis)
            for (std::uint8_t li = 0; li < 4; ++li)
                for (std::uint8_t q = 1; q <= 3; ++q) {
                    const Move m{axis, li, q};
                    all_.push_back(m);
                    const bool outer = li == 0 || li == 3;
                    if (axis == 0 || outer || q == 2) second_.push_back(m);
                    if (outer || q == 2) third_.push_back(m);
                }
    }

    // Stages one and two from each start (one a frame), the best kept.
    void enumerate(const std::vector<State>& starts, std::int64_t limit) {
        for (int slack = 0; slack <= kStageOneSlack; ++slack)
            for (std::size_t f = 0; f < starts.size(); ++f) {
                if (nodes_ >= limit) return;
                frame_ = f;
                passLimit_ = std::min(limit, nodes_ + limit / static_cast<std::int64_t>(3 * starts.size()));
                firsts_ = 0;
                path_.clear();
                const int bound = firstH(starts[f]) + slack;
                first(starts[f], 0, bound, -1, -1);
            }
    }

    // Stage three for a stage-two end: its moves, or false.
    bool finish(const State& s, std::vector<Move>& out, std::int64_t limit) {
        passLimit_ = limit;
        for (int bound = thirdH(s); bound < 40 && nodes_ < limit; ++bound) {
            path_.clear();
            if (third(s, 0, bound, -1, -1)) {
                out = path_;
                return true;
            }
        }
        return false;
    }

    std::vector<std::pair<std::size_t, Candidate>> kept;  // (frame, candidate), best first
    std::int64_t nodes() const { return nodes_; }

private:
    State apply(const State& s, const Move& m) const {
        State r = s;
        const auto q = static_cast<std::size_t>(quarterMove(m.axis, m.li, m.quarters == 3 ? -1 : 1));
        const int times = m.quarters == 2 ? 2 : 1;
        for (std::size_t k = 0; k < t_.size(); ++k) {
            OrbitState& o = r.orbit[k];
            for (int i = 0; i < times; ++i) {
                const MaskTurn& turn = t_[k]->turn[q];
                o = {turn(o.axis0), turn(o.axis1), turn(o.positive)};
            }
        }
        if ((m.li == 1 || m.li == 2) && m.quarters != 2) r.odd = !r.odd;
        return r;
    }
    int firstH(const State& s) const {
        int h = 0;
        for (std::size_t k = 0; k < t_.size(); ++k)
            h = std::max<int>(h, t_[k]->first[static_cast<std::size_t>(t_[k]->firstIndex(s.orbit[k].axis0))]);
        return h;
    }
    int secondH(const State& s) const {
        int h = 0;
        for (std::size_t k = 0; k < t_.size(); ++k)
            h = std::max<int>(h, t_[k]->second[static_cast<std::size_t>(t_[k]->secondIndex(s.orbit[k].axis1))]);
        return h;
    }
    int thirdH(const State& s) const {
        int h = 0;
        for (std::size_t k = 0; k < t_.size(); ++k)
            h = std::max<int>(h, t_[k]->third[static_cast<std::size_t>(t_[k]->thirdIndex(s.orbit[k].positive))]);
        return h;
    }
    // Consecutive moves of one axis in increasing layer order only (they
    // commute), never one layer twice.
    static bool skip(const Move& m, int axis, int li) { return m.axis == axis && m.li <= li; }
    static int cost(const Move& m) { return m.quarters == 2 ? 2 : 1; }
    int worst() const {
        return kept.size() < kKept ? 1 << 20 : kept.back().second.estimate;
    }

    void first(const State& s, int g, int bound, int axis, int li) {
        const int h = firstH(s);
        if (g + h > bound || h >= 255) return;
        if (h == 0) {
            if (g == bound && firsts_++ < kFirstsAPass) {
                firstLength_ = g;
                firstPath_ = path_;
                const int h2 = secondH(s);
                for (int b = h2; h2 < 255 && b <= h2 + kStageTwoSlack && g + b < worst(); ++b) {
                    path_ = firstPath_;
                    second(s, 0, b, -1, -1);
                }
                path_ = firstPath_;
            }
            return;
        }
        for (const Move& m : all_) {
            if (skip(m, axis, li) || nodes_ >= passLimit_ || firsts_ >= kFirstsAPass) continue;
            ++nodes_;
            path_.push_back(m);
            first(apply(s, m), g + cost(m), bound, m.axis, m.li);
            path_.pop_back();
        }
    }

    void second(const State& s, int g, int bound, int axis, int li) {
        const int h = secondH(s);
        if (g + h > bound || h >= 255 || firstLength_ + g + h >= worst()) return;
        if (h == 0 && g == bound && !s.odd) {
            const int h3 = thirdH(s);
            if (h3 < 255) keep(firstLength_ + g + h3, s);
        }
        if (g == bound) return;
        for (const Move& m : second_) {
            if (skip(m, axis, li) || nodes_ >= passLimit_) continue;
            ++nodes_;
            path_.push_back(m);
            second(apply(s, m), g + cost(m), bound, m.axis, m.li);
            path_.pop_back();
        }
    }

    bool third(const State& s, int g, int bound, int axis, int li) {
        const int h = thirdH(s);
        if (g + h > bound || h >= 255) return false;
        if (h == 0) return true;
        for (const Move& m : third_) {
            if (skip(m, axis, li) || nodes_ >= passLimit_) continue;
            ++nodes_;
            path_.push_back(m);
            if (third(apply(s, m), g + cost(m), bound, m.axis, m.li)) return true;
            path_.pop_back();
        }
        return false;
    }

    void keep(int estimate, const State& end) {
        Candidate c{estimate, path_, end};
        auto at = std::upper_bound(kept.begin(), kept.end(), estimate,
                                   [](int e, const auto& k) { return e < k.second.estimate; });
        kept.insert(at, {frame_, std::move(c)});
        if (kept.size() > kKept) kept.pop_back();
    }

    std::vector<const OrbitTables*> t_;
    std::int64_t nodes_ = 0, passLimit_ = 0;
    std::vector<Move> all_, second_, third_, path_, firstPath_;
    std::size_t frame_ = 0;
    int firsts_ = 0, firstLength_ = 0;
};

int axisOf(int face) { return faceAxis(face); }

}  // namespace

std::vector<CentresWay> searchedCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                        std::size_t most, std::int64_t work) {
    const int n = centres.n();
    std::vector<const OrbitTables*> tables{&orbitTables(OrbitKind::nextToCorner)};
    if (n == 5) tables.push_back(&orbitTables(OrbitKind::nextToMiddle));
    const OrbitTables& lead = *tables[0];

    std::array<int, 16> home{};  // the face each colour belongs on
    for (int f = 1; f <= 6; ++f) home[static_cast<std::size_t>(target[static_cast<std::size_t>(f)])] = f;

    // The frames: the cube turned so that each axis in turn comes first
    // and each of the others second.
    struct Frame {
        std::size_t rotation;
        std::array<int, 7> face;                  // where each face goes
        std::array<int, kOrbitMoves> back;        // a frame's quarter move as the cube's own
    };
    std::vector<Frame> frames;
    std::vector<std::pair<int, int>> seen;
    for (std::size_t r = 0; r < 24; ++r) {
        Frame fr{r, {}, {}};
        for (int i = 0; i < 24; ++i)
            fr.face[static_cast<std::size_t>(lead.face[static_cast<std::size_t>(i)])] =
                lead.face[lead.rotation[r][static_cast<std::size_t>(i)]];
        std::pair<int, int> key{-1, -1};
        for (int f = 1; f <= 6; ++f) {
            if (axisOf(fr.face[static_cast<std::size_t>(f)]) == 0) key.first = axisOf(f);
            if (axisOf(fr.face[static_cast<std::size_t>(f)]) == 1) key.second = axisOf(f);
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        std::array<std::uint8_t, 24> inverse{};
        for (std::size_t i = 0; i < 24; ++i) inverse[lead.rotation[r][i]] = static_cast<std::uint8_t>(i);
        for (std::size_t q = 0; q < kOrbitMoves; ++q)
            for (std::size_t p = 0; p < kOrbitMoves; ++p) {
                bool same = true;
                for (std::size_t i = 0; i < 24 && same; ++i)
                    same = lead.perm[p][i] == inverse[lead.perm[q][lead.rotation[r][i]]];
                if (same) fr.back[q] = static_cast<int>(p);
            }
        frames.push_back(fr);
    }

    std::vector<State> starts;
    for (const Frame& fr : frames) {
        State s;
        for (std::size_t k = 0; k < tables.size(); ++k) {
            const OrbitTables& t = *tables[k];
            for (std::size_t i = 0; i < 24; ++i) {
                const FaceSquare at = t.at[i];
                auto real = [&](int a) { return 2 * a <= t.n ? a : a + n - t.n; };
                const int colour = colours[static_cast<std::size_t>(centres.find(real(at.a), real(at.b), at.f))];
                const int face = fr.face[static_cast<std::size_t>(home[static_cast<std::size_t>(colour)])];
                const Mask bit = Mask{1} << t.rotation[fr.rotation][i];
                if (axisOf(face) == 0) s.orbit[k].axis0 |= bit;
                if (axisOf(face) == 1) s.orbit[k].axis1 |= bit;
                if (faceSign(face) > 0) s.orbit[k].positive |= bit;
            }
        }
        starts.push_back(s);
    }

    Search search(tables);
    search.enumerate(starts, work * 2 / 3);
    std::vector<CentresWay> ways;
    const std::array<int, 4> layers = {1, 2, n - 1, n};
    for (const auto& [f, c] : search.kept) {
        std::vector<Move> rest;
        if (!search.finish(c.end, rest, work)) continue;
        std::vector<Move> all = c.moves;
        all.insert(all.end(), rest.begin(), rest.end());
        CentresWay way{{}, colours};
        for (const Move& m : all) {
            const int q = frames[f].back[static_cast<std::size_t>(quarterMove(m.axis, m.li, m.quarters == 3 ? -1 : 1))];
            const PhysicalMove pm{q / 8, layers[static_cast<std::size_t>((q / 2) % 4)], q % 2 == 0 ? 1 : -1};
            for (int i = 0; i < (m.quarters == 2 ? 2 : 1); ++i) {
                way.moves.add(pm);
                centres.turn(way.colours, pm);
            }
        }
        bool done = true;
        for (int i = 0; i < centres.size() && done; ++i)
            done = way.colours[static_cast<std::size_t>(i)] == target[static_cast<std::size_t>(centres.face(i))];
        if (!done) continue;
        const auto same = [&](const CentresWay& o) { return o.moves.moves() == way.moves.moves(); };
        if (std::none_of(ways.begin(), ways.end(), same)) ways.push_back(std::move(way));
    }
    std::stable_sort(ways.begin(), ways.end(),
                     [](const CentresWay& a, const CentresWay& b) { return a.moves.length() < b.moves.length(); });
    if (ways.size() > most) ways.resize(most);
    return ways;
}

}  // namespace vx::solver::big
