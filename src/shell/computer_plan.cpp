#include "shell/computer_plan.h"

#include <string>

#include "history/plan.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/notice.h"
#include "solver/solver.h"

namespace vx {

namespace {

constexpr const char* kThinking = "The computer is reading the colors...";

// The entries 1..`count` of both histories are the same.
bool sameEntries(const History& x, const History& y, int count) {
    for (int i = 1; i <= count; ++i)
        if (x.at(i) != y.at(i)) return false;
    return true;
}

// True while the history is what is left of the plan and the cube is the
// plan's cube with the entries carried out so far.
bool planGoesOn(const ComputerPlan& p, bool shortest, const Cube& cube, const History& h, int n) {
    if (!p.taken || (shortest && !p.readColours) || p.n != n || h.histcount < 0 || h.histcount > p.planned.histcount)
        return false;
    if (!sameEntries(h, p.planned, h.histcount)) return false;
    Cube expected = p.cube;
    for (int i = p.planned.histcount; i > h.histcount; --i)
        if (const std::optional<PhysicalMove> m = turnOfEntry(p.planned.at(i), n)) expected.turn(*m, n);
    return expected.sameSquares(cube, n);
}

void takePlan(GameState& s, ComputerPlan::Source source, bool readColours) {
    ComputerPlan& p = s.play.computerplan;
    p.readColours = readColours;
    p.source = source;
    p.moves = s.play.history.histcount;
    p.taken = true;
    p.n = s.play.cubesize;
    p.cube = s.play.cube;
    p.planned = s.play.history;
}

NextPlan planOf(NextPlan::Kind kind, History plan = {}, std::string reason = {}) {
    NextPlan p;
    p.kind = kind;
    p.plan = std::move(plan);
    p.reason = std::move(reason);
    return p;
}

}  // namespace

void shortest_Click(Game& g) {
    MenuItem& item = g.form[MenuId::shortest];
    item.checked = !item.checked;
    g.s.options.shortest = item.checked;
    // Ticked while the computer solves: it reads the colours at the next pass.
    g.s.play.computerlooked = false;
}

NextPlan lookForPlan(Game& g) {
    GameState& s = g.s;
    const int n = s.play.cubesize;
    if (planGoesOn(s.play.computerplan, s.options.shortest, s.play.cube, s.play.history, n))
        return planOf(NextPlan::Kind::goesOn);
    if (!s.options.shortest || (s.play.history.histcount <= 0 && s.play.cube.solved(n)))
        return planOf(NextPlan::Kind::historyUnread);

    const Cube asked = s.play.cube;
    const History before = s.play.history;
    solver::Solution solution;
    tell(g, kThinking);
    g.platform.think(g, [&] { solution = solver::solve(asked, n); });
    if (g.form[ControlId::Notice].text == kThinking) hideNotice(g);
    if (g.ended) return planOf(NextPlan::Kind::interrupted);
    // The player may have changed the cube while the computer thought.
    if (s.play.cubesize != n || !asked.sameSquares(s.play.cube, n) || s.play.history.histcount != before.histcount ||
        !sameEntries(s.play.history, before, before.histcount))
        return planOf(NextPlan::Kind::interrupted);
    if (!solution.solved()) return planOf(NextPlan::Kind::refused, {}, solution.reason);
    const bool historyWorks = historySolves(s.play.cube, s.play.history, n);
    std::optional<History> plan = historyOfPlan(solution.moves, n);
    if (!plan || (historyWorks && s.play.history.histcount <= plan->histcount))
        return planOf(NextPlan::Kind::historyRead);
    return planOf(NextPlan::Kind::colours, std::move(*plan));
}

void computerStarts(Game& g) {
    GameState& s = g.s;
    NextPlan next = lookForPlan(g);
    if (next.kind != NextPlan::Kind::goesOn && next.kind != NextPlan::Kind::interrupted && !s.play.computersolves)
        next.kind = NextPlan::Kind::interrupted;
    switch (next.kind) {
    case NextPlan::Kind::goesOn: return;
    case NextPlan::Kind::interrupted:
        // It looks again at the next pass.
        if (!g.ended) s.play.computerlooked = false;
        return;
    case NextPlan::Kind::historyUnread: takePlan(s, ComputerPlan::Source::history, false); return;
    case NextPlan::Kind::refused:
        tell(g, "The computer cannot solve this cube from its colors: " + next.reason);
        takePlan(s, ComputerPlan::Source::history, true);
        return;
    case NextPlan::Kind::historyRead: takePlan(s, ComputerPlan::Source::history, true); return;
    case NextPlan::Kind::colours:
        s.play.history = std::move(next.plan);
        // No run of turns is under way on the new top entry.
        resetCounters(s.play.counters);
        takePlan(s, ComputerPlan::Source::colors, true);
        return;
    }
}

}  // namespace vx
