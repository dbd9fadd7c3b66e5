#include "solver/three/search.h"

#include <chrono>

#include "solver/three/tables.h"

namespace vx::solver::three {
namespace {

using Clock = std::chrono::steady_clock;
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
    Search(const Pieces& start, double seconds, bool mustFind)
        : t_(tables()), start_(start), mustFind_(mustFind), deadline_(Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                                                    std::chrono::duration<double>(seconds))) {}

    std::optional<std::vector<int>> run() {
        const int tw = twist(start_), fl = flip(start_), sl = slice(start_);
        // Long phase-two searches are what make a first solution slow: look
        // for one within kFirstLimit moves first, then without a limit.
        for (int limit : {kFirstLimit, kNoSolution}) {
            best_ = limit;
            for (int bound = t_.phaseOneBound(tw, fl, sl); bound < best_ && !stop_; ++bound)
                phaseOne(tw, fl, sl, 0, bound);
            if (found_ || stop_) break;
        }
        if (!found_) return std::nullopt;
        return solution_;
    }

private:
    void phaseOne(int tw, int fl, int sl, int cost, int bound) {
        const int h = t_.phaseOneBound(tw, fl, sl, bound - cost);
        if (cost + h > bound || timeUp()) return;
        if (h == 0 && cost == bound) {
            if (path_.empty() || !inPhaseTwo(path_.back())) startPhaseTwo(cost);
            return;
        }
        const int last = path_.empty() ? kNone : path_.back();
        for (int m = 0; m < kFaceTurns && !stop_; ++m) {
            if (!follows(last, m) || cost + costOf(m) > bound) continue;
            path_.push_back(m);
            const std::size_t i = static_cast<std::size_t>(m);
            phaseOne(t_.twistMove[static_cast<std::size_t>(tw) * kFaceTurns + i],
                     t_.flipMove[static_cast<std::size_t>(fl) * kFaceTurns + i],
                     t_.sliceMove[static_cast<std::size_t>(sl) * kFaceTurns + i], cost + costOf(m), bound);
            path_.pop_back();
        }
    }

    void startPhaseTwo(int costOne) {
        Pieces p = start_;
        for (int m : path_) p = apply(p, faceTurn(m));
        const int cp = cornerPerm(p), ep = edgePerm(p), sp = slicePerm(p);
        const std::size_t phaseOneLength = path_.size();
        for (int bound = t_.phaseTwoBound(cp, ep, sp); costOne + bound < best_ && !stop_; ++bound) {
            if (phaseTwo(cp, ep, sp, 0, bound)) {
                best_ = costOne + bound;
                solution_ = path_;
                found_ = true;
                path_.resize(phaseOneLength);
                stop_ = Clock::now() >= deadline_;
                break;
            }
        }
    }

    bool phaseTwo(int cp, int ep, int sp, int cost, int bound) {
        const int h = t_.phaseTwoBound(cp, ep, sp, bound - cost);
        if (cost + h > bound) return false;
        if (h == 0) return cost == bound;
        const int last = path_.empty() ? kNone : path_.back();
        for (std::size_t k = 0; k < kPhaseTwoTurns.size(); ++k) {
            const int m = kPhaseTwoTurns[k];
            if (!follows(last, m) || cost + costOf(m) > bound) continue;
            path_.push_back(m);
            if (phaseTwo(t_.cornerMove[static_cast<std::size_t>(cp) * 10 + k],
                         t_.edgeMove[static_cast<std::size_t>(ep) * 10 + k],
                         t_.slicePermMove[static_cast<std::size_t>(sp) * 10 + k], cost + costOf(m), bound))
                return true;
            path_.pop_back();
        }
        return false;
    }

    // Looked at now and then: the clock is dearer than a node.
    bool timeUp() {
        if (++nodes_ % 1024 != 0 || (mustFind_ && !found_)) return stop_;
        if (Clock::now() >= deadline_) stop_ = true;
        return stop_;
    }

    const Tables& t_;
    Pieces start_;
    bool mustFind_;
    Clock::time_point deadline_;
    std::vector<int> path_, solution_;
    int best_ = kNoSolution;
    long nodes_ = 0;
    bool found_ = false;
    bool stop_ = false;
};

}  // namespace

std::optional<std::vector<int>> twoPhase(const Pieces& start, double seconds, bool mustFind) {
    Search s(start, seconds, mustFind);
    return s.run();
}

}  // namespace vx::solver::three
