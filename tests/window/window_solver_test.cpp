// The computer's plan in the real window, where it reads the colours on a
// thread of its own while events go on: the same plan the solver gives the
// same cube anywhere else, and the hint names its first move.
#include <fstream>

#include "history/plan.h"
#include "shell/game.h"
#include "shell/hint.h"
#include "solver/solver.h"
#include "window/window_fixture.h"

namespace vx::test {
namespace {

class windowPlan : public WindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(windowPlan, TakesTheSolversPlanForTheCubeAndHintsItsFirstMove) {
    const int n = GetParam();
    std::ofstream("vexelcz.settings") << " 10  9  12  13  14  15  " << n << "  40  0  0 \r\n";
    start();
    Cube asked;
    std::optional<History> plan;
    then([&] {
        asked = game().s.play.cube;
        choose("shortest");
        key(Qt::Key_H);
    });
    then([&] {
        plan = historyOfPlan(solver::solve(asked, n).moves, n);
        ASSERT_TRUE(plan && plan->histcount > 0);
        const std::optional<HintMove> first = hintMove(plan->top(), game().s.play.view, n);
        ASSERT_TRUE(first);
        EXPECT_EQ(game().form[ControlId::Notice].text, hintText(*first)) << n;
        EXPECT_TRUE(asked.sameSquares(game().s.play.cube, n)) << "the hint turned nothing";
        choose("csolve");
    });
    then([&] {
        EXPECT_TRUE(game().s.play.cube.solved(n));
        const History& taken = game().s.play.computerplan.planned;
        ASSERT_EQ(taken.histcount, plan->histcount) << n;
        for (int i = 1; i <= taken.histcount; ++i) EXPECT_EQ(taken.at(i), plan->at(i)) << n << " entry " << i;
    });
    EXPECT_TRUE(play());
}

INSTANTIATE_TEST_SUITE_P(Sizes, windowPlan, ::testing::Values(2, 3));

}  // namespace
}  // namespace vx::test
