#include "solver/three/search.h"

#include <algorithm>

#include "solver/three/tables.h"

namespace vx::solver::three {
namespace {

constexpr int kNone = -1;
constexpr int kNoSolution = 1000;
constexpr int kFirstLimit = 31;

// Turns on one axis commute: they are kept in one order (layer 1 first), and
// one face never turns twice in a row.
bool follows(int last, int t) {
    if (last == kNone) return true;
    if (axisOf(last) != axisOf(t)) return true;
    return faceOf(last) % 2 == 0 && faceOf(t) % 2 == 1;
}

bool inPhaseTwo(int t) { return axisOf(t) == 1 || kindOf(t) == 2; }

class Search {
public:
    Search(const Pieces& start, std::int64_t work, bool mustFind, int below)
        : t_(tables()), start_(start), mustFind_(mustFind), below_(below), work_(work) {}

    SearchResult run() {
        const int tw = twist(start_), fl = flip(start_), sl = slice(start_);
        // Long phase-two searches are what make a first solution slow: look
        // for one within kFirstLimit moves first, then without a limit.
        const int h = t_.phaseOneBound(tw, fl, sl);
        for (int limit : {std::min(kFirstLimit, below_), below_}) {
            best_ = limit;
            for (int bound = h; bound < best_ && !stop_; ++bound) phaseOne(tw, fl, sl, h, 0, bound);
            if (found_ || stop_ || limit == below_) break;
        }
        return {solutions_, nodes_};
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
        const std::size_t twRow = static_cast<std::size_t>(tw) * kFaceTurns;
        const std::size_t flRow = static_cast<std::size_t>(fl) * kFaceTurns;
        const std::size_t slRow = static_cast<std::size_t>(sl) * kFaceTurns;
        for (int m = 0; m < kFaceTurns && !stop_; ++m) {
            const int next = cost + costOf(m);
            if (!follows(last, m) || next > bound) continue;
            const std::size_t i = static_cast<std::size_t>(m);
            const int ntw = t_.twistMove[twRow + i], nfl = t_.flipMove[flRow + i], nsl = t_.sliceMove[slRow + i];
            const int nh = t_.phaseOneBound(ntw, nfl, nsl, bound - next);
            if (next + nh > bound) continue;
            path_.push_back(m);
            phaseOne(ntw, nfl, nsl, nh, next, bound);
            path_.pop_back();
        }
    }

    void startPhaseTwo(int costOne) {
        Pieces p = start_;
        for (int m : path_) p = apply(p, faceTurn(m));
        const int cp = cornerPerm(p), ep = edgePerm(p), sp = slicePerm(p);
        const int h = t_.phaseTwoBound(cp, ep, sp);
        // Before the first solution, deepen step by step for the shortest
        // second phase; after it, any second phase short enough to improve
        // will do, and each one found tightens the limit.
        int bound = found_ ? best_ - 1 - costOne : h;
        while (bound >= h && costOne + bound < best_ && !stop_) {
            if (!phaseTwo(cp, ep, sp, h, 0, bound)) {
                if (found_) return;
                ++bound;
                continue;
            }
            best_ = costOne + phaseTwoCost_;
            solutions_.push_back(path_);
            found_ = true;
            path_.resize(path_.size() - phaseTwoMoves_);
            phaseTwoMoves_ = 0;
            stop_ = nodes_ >= work_;
            bound = best_ - 1 - costOne;
        }
    }

    bool phaseTwo(int cp, int ep, int sp, int h, int cost, int bound) {
        ++nodes_;
        if (h == 0) {
            phaseTwoCost_ = cost;
            return true;
        }
        const int last = path_.empty() ? kNone : path_.back();
        const std::size_t cpRow = static_cast<std::size_t>(cp) * 10, epRow = static_cast<std::size_t>(ep) * 10,
                          spRow = static_cast<std::size_t>(sp) * 10;
        for (std::size_t k = 0; k < kPhaseTwoTurns.size(); ++k) {
            const int m = kPhaseTwoTurns[k];
            const int next = cost + costOf(m);
            if (!follows(last, m) || next > bound) continue;
            const int ncp = t_.cornerMove[cpRow + k], nep = t_.edgeMove[epRow + k], nsp = t_.slicePermMove[spRow + k];
            const int nh = t_.phaseTwoBound(ncp, nep, nsp, bound - next);
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
        if (++nodes_ >= work_ && (found_ || !mustFind_)) stop_ = true;
        return stop_;
    }

    const Tables& t_;
    Pieces start_;
    bool mustFind_;
    int below_;
    std::int64_t work_;
    std::vector<int> path_;
    std::vector<std::vector<int>> solutions_;  // each shorter than the one before
    int best_ = kNoSolution;
    std::int64_t nodes_ = 0;
    int phaseTwoCost_ = 0;
    std::size_t phaseTwoMoves_ = 0;  // on the path
    bool found_ = false;
    bool stop_ = false;
};

}  // namespace

SearchResult twoPhase(const Pieces& start, std::int64_t work, bool mustFind, int below) {
    Search s(start, work, mustFind, below);
    return s.run();
}

}  // namespace vx::solver::three
