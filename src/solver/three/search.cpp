#include "solver/three/search.h"

#include <algorithm>

#include "solver/three/tables.h"

namespace vx::solver::three {
namespace {

constexpr int kNone = -1;
constexpr int kFirstLimit = 31;

// Moves on one axis are one move: the next is on another axis.
bool follows(int last, int c) { return last == kNone || comboAxis(last) != comboAxis(c); }

std::array<int, kCombos> costs(bool slices) {
    std::array<int, kCombos> cost{};
    for (int c = 0; c < kCombos; ++c) cost[static_cast<std::size_t>(c)] = comboCost(c, slices);
    return cost;
}

// What the searches of one solve share.
struct Shared {
    SearchGoal goal;
    std::array<int, kCombos> cost{};
    int best = kFirstLimit;  // every solution found is shorter
    std::int64_t nodes = 0;
    bool found = false;
    bool stop = false;
    std::vector<Found> solutions;
};

class Search {
public:
    Search(const Pieces& start, std::size_t index, Shared& shared)
        : t_(tables()), b_(t_.bounds(shared.goal.slices)), start_(start), index_(index), s_(shared) {
        tw_ = twist(start_), fl_ = flip(start_), sl_ = slice(start_);
        h_ = b_.phaseOneBound(tw_, fl_, sl_);
    }

    // Looks at every first phase of exactly `bound` moves.
    void deepen(int bound) {
        if (h_ <= bound) phaseOne(tw_, fl_, sl_, h_, 0, bound);
    }

private:
    // The node's own bound h is known to fit; children are looked at before
    // they are entered, as most of them do not.
    void phaseOne(int tw, int fl, int sl, int h, int cost, int bound) {
        if (workDone()) return;
        if (h == 0 && cost == bound) {
            if (path_.empty() || !inPhaseTwo(path_.back())) startPhaseTwo(cost);
            return;
        }
        const int last = path_.empty() ? kNone : path_.back();
        const std::size_t twRow = static_cast<std::size_t>(tw) * kCombos;
        const std::size_t flRow = static_cast<std::size_t>(fl) * kCombos;
        const std::size_t slRow = static_cast<std::size_t>(sl) * kCombos;
        for (int m = 0; m < kCombos && !s_.stop; ++m) {
            if (!follows(last, m)) {
                m += 14;  // the rest of this axis too
                continue;
            }
            const int next = cost + s_.cost[static_cast<std::size_t>(m)];
            if (next > bound) continue;
            const std::size_t i = static_cast<std::size_t>(m);
            const int ntw = t_.twistMove[twRow + i], nfl = t_.flipMove[flRow + i], nsl = t_.sliceMove[slRow + i];
            const int nh = b_.phaseOneBound(ntw, nfl, nsl, bound - next);
            if (next + nh > bound) continue;
            path_.push_back(m);
            phaseOne(ntw, nfl, nsl, nh, next, bound);
            path_.pop_back();
        }
    }

    void startPhaseTwo(int costOne) {
        Pieces p = start_;
        for (int m : path_) p = apply(p, comboMove(m));
        const int cp = cornerPerm(p), ep = edgePerm(p), sp = slicePerm(p);
        const int h = b_.phaseTwoBound(cp, ep, sp);
        // Any second phase short enough to improve will do (one is found
        // soon when the limit is loose), and each one found tightens it.
        int bound = s_.best - 1 - costOne;
        while (bound >= h && !s_.stop) {
            if (!phaseTwo(cp, ep, sp, h, 0, bound)) return;
            s_.best = costOne + phaseTwoCost_;
            s_.solutions.push_back({index_, faceTurns(path_), s_.best});
            s_.found = true;
            path_.resize(path_.size() - phaseTwoMoves_);
            phaseTwoMoves_ = 0;
            s_.stop = s_.nodes >= s_.goal.work;
            bound = s_.best - 1 - costOne;
        }
    }

    bool phaseTwo(int cp, int ep, int sp, int h, int cost, int bound) {
        ++s_.nodes;
        if (h == 0) {
            phaseTwoCost_ = cost;
            return true;
        }
        const int last = path_.empty() ? kNone : path_.back();
        const std::size_t cpRow = static_cast<std::size_t>(cp) * kPhaseTwoCombos;
        const std::size_t epRow = static_cast<std::size_t>(ep) * kPhaseTwoCombos;
        const std::size_t spRow = static_cast<std::size_t>(sp) * kPhaseTwoCombos;
        for (std::size_t k = 0; k < kPhaseTwoMoves.size(); ++k) {
            const int m = kPhaseTwoMoves[k];
            const int next = cost + s_.cost[static_cast<std::size_t>(m)];
            if (!follows(last, m) || next > bound) continue;
            const int ncp = t_.cornerMove[cpRow + k], nep = t_.edgeMove[epRow + k], nsp = t_.slicePermMove[spRow + k];
            const int nh = b_.phaseTwoBound(ncp, nep, nsp, bound - next);
            if (next + nh > bound) continue;
            path_.push_back(m);
            ++phaseTwoMoves_;
            if (phaseTwo(ncp, nep, nsp, nh, next, bound)) return true;
            path_.pop_back();
            --phaseTwoMoves_;
        }
        return false;
    }

    // Before the first solution is found, a search that must find one
    // goes on whatever it costs.
    bool workDone() {
        if (++s_.nodes >= s_.goal.work && (s_.found || !s_.goal.mustFind)) s_.stop = true;
        return s_.stop;
    }

    static std::vector<int> faceTurns(const std::vector<int>& moves) {
        std::vector<int> turns;
        for (int c : moves)
            for (int far = 0; far < 2; ++far)
                if (const int a = comboAmount(c, far); a != 0) turns.push_back(faceTurnOf(comboAxis(c), far, a));
        return turns;
    }

    const Tables& t_;
    const Bounds& b_;  // in the search's count
    Pieces start_;
    std::size_t index_;
    Shared& s_;
    int tw_ = 0, fl_ = 0, sl_ = 0, h_ = 0;
    std::vector<int> path_;  // moves (see coords.h)
    int phaseTwoCost_ = 0;
    std::size_t phaseTwoMoves_ = 0;  // on the path
};

}  // namespace

SearchResult twoPhase(std::span<const Pieces> starts, const SearchGoal& goal) {
    Shared shared;
    shared.goal = goal;
    shared.cost = costs(goal.slices);
    std::vector<Search> searches;
    for (std::size_t i = 0; i < starts.size(); ++i) searches.emplace_back(starts[i], i, shared);
    // Every cube has a solution of at most 26 quarter turns of outer layers
    // (the most any cube needs, published), and any solution is two phases
    // (the moves after its last position outside the second phase's set are
    // second-phase moves), so the search finds one within kFirstLimit.
    shared.best = kFirstLimit;
    for (int bound = 0; bound < shared.best && !shared.stop; ++bound)
        for (Search& s : searches) s.deepen(bound);
    return {std::move(shared.solutions), shared.nodes};
}

}  // namespace vx::solver::three
