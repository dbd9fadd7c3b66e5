#include "solver/big/small_centres.h"

#include <algorithm>
#include <functional>

#include "solver/big/orbit_tables.h"

namespace vx::solver::big {
namespace {

// A move of the search: layer li + 1 of an axis turned `quarters` (1, 2 or
// 3) quarter turns clockwise.
struct Move {
    std::uint8_t axis, li, quarters;
};

struct Orbit {
    Mask axis0 = 0, axis1 = 0, positive = 0;  // where those colours stand
};

struct State {
    std::array<Orbit, 2> orbit{};
    std::uint8_t spin = 0;  // the middle centres' arrangement
    bool odd = false;       // the wing orbits' parity against the start
};

// A stage: its moves, a lower bound on the moves it still needs (255: none
// reach its goal) and its goal.
struct Stage {
    std::vector<Move> moves;
    std::function<int(const State&)> bound;
    std::function<bool(const State&)> done;
    int solutions = 1 << 20;  // how many of its solutions from one start go on
};

struct Candidate {
    int estimate = 0;
    std::size_t frame = 0;
    std::vector<Move> moves;
    State end;
};

constexpr int kSlack = 2;
constexpr std::size_t kKept = 12;

// Every stage but the last is searched for its solutions up to kSlack moves
// over its fewest, each going on to the next; the ends of the last but one
// are kept by their length plus the last stage's bound, the best kKept.
class Search {
public:
    // `tables`: one an orbit; the last tells every move apart (and tracks
    // the middle centres).
    Search(std::vector<Stage> stages, const std::vector<const OrbitTables*>& tables)
        : stages_(std::move(stages)), lead_(*tables.back()), orbits_(tables.size()) {
        for (std::size_t k = 0; k < orbits_; ++k) tables_[k] = tables[k];
    }

    void enumerate(const std::vector<State>& starts, std::int64_t limit) {
        std::vector<int> base;
        for (const State& s : starts) base.push_back(stages_[0].bound(s));
        for (int slack = 0; slack <= kSlack; ++slack)
            for (std::size_t f = 0; f < starts.size(); ++f) {
                frame_ = f;
                passLimit_ = std::min(limit, nodes_ + limit / static_cast<std::int64_t>((kSlack + 1) * starts.size()));
                do {
                    found_[0] = 0;
                    path_.clear();
                    dfs(0, starts[f], 0, base[f] + slack, -1, -1, 0);
                } while (found_[0] == 0 && nodes_ < passLimit_ && ++base[f] < 40);
            }
    }

    // The last stage from a kept end: its moves, or false.
    bool finish(const State& s, std::vector<Move>& out, std::int64_t limit) {
        passLimit_ = limit;
        const std::size_t last = stages_.size() - 1;
        for (int b = stages_[last].bound(s); b < 40 && nodes_ < limit; ++b) {
            path_.clear();
            if (last_(s, 0, b, -1, -1)) {
                out = path_;
                return true;
            }
        }
        return false;
    }

    std::vector<Candidate> kept;  // best first
    std::int64_t nodes() const { return nodes_; }

private:
    State apply(const State& s, const Move& m) const {
        State r = s;
        const auto q = static_cast<std::size_t>(quarterMove(m.axis, m.li, m.quarters == 3 ? -1 : 1));
        const int times = m.quarters == 2 ? 2 : 1;
        for (std::size_t k = 0; k < orbits_; ++k) {
            const MaskTurn& turn = tables_[k]->turn[q];
            for (int i = 0; i < times; ++i)
                r.orbit[k] = {turn(r.orbit[k].axis0), turn(r.orbit[k].axis1), turn(r.orbit[k].positive)};
        }
        for (int i = 0; i < times; ++i) r.spin = lead_.spinAfter[r.spin][q];
        if (!lead_.outer(m.li) && !lead_.middle(m.li) && m.quarters != 2) r.odd = !r.odd;
        return r;
    }
    // Consecutive moves of one axis in increasing layer order only (they
    // commute), never one layer twice.
    static bool skip(const Move& m, int axis, int li) { return m.axis == axis && m.li <= li; }
    static int cost(const Move& m) { return m.quarters == 2 ? 2 : 1; }
    int worst() const { return kept.size() < kKept ? 1 << 20 : kept.back().estimate; }

    // Stage k's solutions of exactly `bound` moves from s, each passed on.
    void dfs(std::size_t k, const State& s, int g, int bound, int axis, int li, int spent) {
        const Stage& st = stages_[k];
        const int h = st.bound(s);
        if (h >= 255 || g + h > bound || spent + g + h >= worst()) return;
        if (h == 0 && st.done(s)) {
            if (g == bound && found_[k]++ < st.solutions) next(k + 1, s, spent + g);
            return;
        }
        if (g == bound) return;
        for (const Move& m : st.moves) {
            if (skip(m, axis, li) || nodes_ >= passLimit_ || found_[k] >= st.solutions) continue;
            ++nodes_;
            path_.push_back(m);
            dfs(k, apply(s, m), g + cost(m), bound, m.axis, m.li, spent);
            path_.pop_back();
        }
    }

    // Stage k from s: its solutions from the fewest moves to kSlack more; the
    // last stage only bounds the length.
    void next(std::size_t k, const State& s, int spent) {
        const Stage& st = stages_[k];
        const int h = st.bound(s);
        if (h >= 255) return;
        if (k + 1 == stages_.size()) {
            if (spent + h < worst()) keep(spent + h, s);
            return;
        }
        const std::size_t mark = path_.size();
        int first = -1;
        for (int b = h; b < 40 && (first < 0 || b <= first + kSlack) && spent + b < worst() && nodes_ < passLimit_;
             ++b) {
            found_[k] = 0;
            dfs(k, s, 0, b, -1, -1, spent);
            path_.resize(mark);
            if (first < 0 && found_[k] > 0) first = b;
        }
    }

    bool last_(const State& s, int g, int bound, int axis, int li) {
        const Stage& st = stages_.back();
        const int h = st.bound(s);
        if (h >= 255 || g + h > bound) return false;
        if (h == 0 && st.done(s)) return true;
        for (const Move& m : st.moves) {
            if (skip(m, axis, li) || nodes_ >= passLimit_) continue;
            ++nodes_;
            path_.push_back(m);
            if (last_(apply(s, m), g + cost(m), bound, m.axis, m.li)) return true;
            path_.pop_back();
        }
        return false;
    }

    void keep(int estimate, const State& end) {
        auto at = std::upper_bound(kept.begin(), kept.end(), estimate,
                                   [](int e, const Candidate& c) { return e < c.estimate; });
        kept.insert(at, Candidate{estimate, frame_, path_, end});
        if (kept.size() > kKept) kept.pop_back();
    }

    std::vector<Stage> stages_;
    const OrbitTables& lead_;
    std::array<const OrbitTables*, 2> tables_{};
    std::size_t orbits_;
    std::int64_t nodes_ = 0, passLimit_ = 0;
    std::vector<Move> path_;
    std::array<int, 8> found_{};
    std::size_t frame_ = 0;
};

// The moves of layer li of an axis: quarter turns (and the half), or the
// half only.
void add(std::vector<Move>& to, int axis, int li, bool quarters) {
    for (std::uint8_t q = 1; q <= 3; ++q)
        if (quarters || q == 2) to.push_back({static_cast<std::uint8_t>(axis), static_cast<std::uint8_t>(li), q});
}

int at(const std::vector<std::uint8_t>& table, int index) {
    return index < 0 ? 255 : table[static_cast<std::size_t>(index)];
}

std::vector<Stage> fourStages(const OrbitTables& t) {
    std::vector<Stage> s(3);
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 4; ++li) {
            add(s[0].moves, axis, li, true);
            add(s[1].moves, axis, li, axis == 0 || t.outer(li));
            add(s[2].moves, axis, li, t.outer(li));
        }
    s[0].bound = [&t](const State& x) { return at(t.first, t.firstIndex(x.orbit[0].axis0)); };
    s[1].bound = [&t](const State& x) { return at(t.second, t.secondIndex(x.orbit[0].axis1, 0)); };
    s[2].bound = [&t](const State& x) { return at(t.third, t.thirdIndex(x.orbit[0].positive, 0)); };
    s[0].done = [](const State&) { return true; };
    s[1].done = [](const State& x) { return !x.odd; };
    s[2].done = [](const State&) { return true; };
    s[0].solutions = 40;
    return s;
}

// The 5-cube: the first stage of the pieces next to the corners (x), then
// that of the pieces next to the middles of the edges (t) keeping it, then
// both split between axis 0's two faces.
std::vector<Stage> fiveStages(const OrbitTables& x, const OrbitTables& t) {
    std::vector<Stage> s(5);
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 5; ++li) {
            const bool outer = t.outer(li), middle = t.middle(li);
            if (!middle) add(s[0].moves, axis, li, true);
            add(s[1].moves, axis, li, axis == 0 || outer || middle);
            if (axis == 0 || !outer) add(s[2].moves, axis, li, axis == 0);
            if ((axis == 0 && !middle) || outer) add(s[3].moves, axis, li, true);
            if (axis == 0 || outer) add(s[4].moves, axis, li, outer || middle);
        }
    s[3].bound = [&x](const State& c) { return at(x.second, x.secondIndex(c.orbit[0].axis1, 0)); };
    s[4].bound = [&t](const State& c) { return at(t.second, t.secondIndex(c.orbit[1].axis1, c.spin)); };
    s[3].done = [](const State& c) { return !c.odd; };
    s[4].done = [](const State&) { return true; };
    s.resize(6);
    for (int axis = 0; axis < 3; ++axis)
        for (int li = 0; li < 5; ++li)
            if ((axis != 0 && t.outer(li)) || (axis == 0 && !t.outer(li))) add(s[5].moves, axis, li, axis != 0);
    s[5].bound = [&x, &t](const State& c) {
        return std::max({at(x.last, x.lastIndex(c.orbit[0].positive, 0)),
                         at(t.last, t.lastIndex(c.orbit[1].positive, c.spin)),
                         at(t.lastPair[1], t.pairIndex(1, c.orbit[0].positive, c.orbit[1].positive, c.spin, false)),
                         at(t.lastPair[2], t.pairIndex(2, c.orbit[0].positive, c.orbit[1].positive, c.spin, false))});
    };
    s[5].done = [](const State&) { return true; };
    s[2].solutions = 4;
    s[3].solutions = 4;
    s[0].bound = [&x](const State& c) { return at(x.first, x.firstIndex(c.orbit[0].axis0)); };
    s[1].bound = [&t](const State& c) { return at(t.first, t.firstIndex(c.orbit[1].axis0)); };
    s[2].bound = [&t](const State& c) {
        return at(t.split, t.pairIndex(0, c.orbit[0].positive, c.orbit[1].positive, c.spin, c.odd));
    };
    s[0].done = [](const State&) { return true; };
    s[1].done = [&t](const State& c) { return t.keepsAxis0[c.spin] >= 0; };
    s[2].done = [](const State&) { return true; };
    s[0].solutions = 20;
    return s;
}

int axisOf(int face) { return faceAxis(face); }

}  // namespace

void prepareSmallCentres() {
    orbitTables(OrbitKind::fourCentres);
    orbitTables(OrbitKind::fiveNextToMiddle);
}

std::vector<CentresWay> searchCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                      std::int64_t work, std::vector<CentresWay>& unfinished) {
    const int n = centres.n();
    std::vector<const OrbitTables*> tables;
    if (n == 4) {
        tables = {&orbitTables(OrbitKind::fourCentres)};
    } else {
        tables = {&orbitTables(OrbitKind::fiveNextToCorner), &orbitTables(OrbitKind::fiveNextToMiddle)};
    }
    // The last orbit tells every move apart (the middle layers included).
    const OrbitTables& lead = *tables.back();

    std::array<int, 16> home{};  // the face each colour belongs on
    for (int f = 1; f <= 6; ++f) home[static_cast<std::size_t>(target[static_cast<std::size_t>(f)])] = f;

    // The frames: the cube turned so that each axis in turn comes first
    // and each of the others second.
    struct Frame {
        std::size_t rotation;
        std::array<int, 7> face;            // where each face goes
        std::array<int, kOrbitMoves> back;  // a frame's quarter move as the cube's own
    };
    std::vector<Frame> frames;
    std::vector<std::pair<int, int>> seen;
    for (std::size_t r = 0; r < 24; ++r) {
        Frame fr{r, {}, {}};
        for (std::size_t i = 0; i < 24; ++i)
            fr.face[static_cast<std::size_t>(lead.face[i])] = lead.face[lead.rotation[r][i]];
        std::pair<int, int> key{-1, -1};
        for (int f = 1; f <= 6; ++f) {
            if (axisOf(fr.face[static_cast<std::size_t>(f)]) == 0) key.first = axisOf(f);
            if (axisOf(fr.face[static_cast<std::size_t>(f)]) == 1) key.second = axisOf(f);
        }
        if (std::find(seen.begin(), seen.end(), key) != seen.end()) continue;
        seen.push_back(key);
        std::array<std::uint8_t, 24> inverse{};
        for (std::size_t i = 0; i < 24; ++i) inverse[lead.rotation[r][i]] = static_cast<std::uint8_t>(i);
        for (int q = 0; q < kOrbitMoves; ++q)
            for (int p = 0; p < kOrbitMoves; ++p) {
                if ((q / 2) % 5 >= n || (p / 2) % 5 >= n) continue;
                bool same = true;
                for (std::size_t i = 0; i < 24 && same; ++i)
                    same = lead.perm[static_cast<std::size_t>(p)][i] ==
                           inverse[lead.perm[static_cast<std::size_t>(q)][lead.rotation[r][i]]];
                if (same) fr.back[static_cast<std::size_t>(q)] = p;
            }
        frames.push_back(fr);
    }

    std::vector<State> starts;
    for (const Frame& fr : frames) {
        State s;
        for (std::size_t k = 0; k < tables.size(); ++k) {
            const OrbitTables& t = *tables[k];
            for (std::size_t i = 0; i < 24; ++i) {
                const int colour = colours[static_cast<std::size_t>(centres.find(t.at[i].a, t.at[i].b, t.at[i].f))];
                const int face = fr.face[static_cast<std::size_t>(home[static_cast<std::size_t>(colour)])];
                const Mask bit = Mask{1} << t.rotation[fr.rotation][i];
                if (axisOf(face) == 0) s.orbit[k].axis0 |= bit;
                if (axisOf(face) == 1) s.orbit[k].axis1 |= bit;
                if (faceSign(face) > 0) s.orbit[k].positive |= bit;
            }
        }
        starts.push_back(s);
    }

    Search search(n == 4 ? fourStages(*tables[0]) : fiveStages(*tables[0], *tables[1]), tables);
    search.enumerate(starts, work * 2 / 3);
    // Each kept end finished with a share of the work; a 5-cube end whose
    // last stage is not found within it is finished by the greedy stage.
    std::vector<CentresWay> ways;
    const std::int64_t cap = search.nodes() + 2 * work;
    for (const Candidate& c : search.kept) {
        std::vector<Move> all = c.moves, rest;
        const bool finished = search.finish(c.end, rest, std::min(cap, search.nodes() + work / 2));
        if (!finished && n == 4) continue;
        all.insert(all.end(), rest.begin(), rest.end());
        CentresWay way{{}, colours};
        for (const Move& m : all) {
            const int q =
                frames[c.frame].back[static_cast<std::size_t>(quarterMove(m.axis, m.li, m.quarters == 3 ? -1 : 1))];
            const PhysicalMove pm{q / 10, (q / 2) % 5 + 1, q % 2 == 0 ? 1 : -1};
            for (int i = 0; i < (m.quarters == 2 ? 2 : 1); ++i) {
                way.moves.add(pm);
                centres.turn(way.colours, pm);
            }
        }
        bool done = true;
        for (int i = 0; i < centres.size() && done; ++i)
            done = way.colours[static_cast<std::size_t>(i)] == target[static_cast<std::size_t>(centres.face(i))];
        const auto same = [&](const CentresWay& o) { return o.moves.moves() == way.moves.moves(); };
        if (done && std::none_of(ways.begin(), ways.end(), same))
            ways.push_back(std::move(way));
        else if (!done && n == 5)
            unfinished.push_back(std::move(way));
    }
    return ways;
}

std::vector<CentresWay> searchedCentres(const SquareSet& centres, const Colours& colours, const FaceColours& target,
                                        std::size_t most, std::int64_t work) {
    std::vector<CentresWay> partial;
    std::vector<CentresWay> ways = searchCentres(centres, colours, target, work, partial);
    // The 5-cube's other four faces, where the search did not finish them,
    // as bigger cubes build theirs.
    if (partial.size() > 4) partial.resize(4);
    for (const CentresWay& p : partial)
        for (CentresWay& rest : centresWays(centres, p.colours, target, most)) {
            MoveList both = p.moves;
            both.add(rest.moves.moves());
            ways.push_back({std::move(both), std::move(rest.colours)});
        }
    std::stable_sort(ways.begin(), ways.end(),
                     [](const CentresWay& a, const CentresWay& b) { return a.moves.length() < b.moves.length(); });
    if (ways.size() > most) ways.resize(most);
    return ways;
}

}  // namespace vx::solver::big
