#include "solver/solver.h"

#include "solver/big/big_solver.h"
#include "solver/three_solver.h"
#include "solver/two/two_solver.h"

namespace vx::solver {

Solution solve(const Cube& cube, int n, const Budget& budget) {
    Solution s;
    if (n == 2) return solveTwo(cube);
    if (n == 3) {
        auto moves = solveThree(cube, true, budget.seconds, &s.refusal, &s.reason);
        if (moves) s.moves = std::move(*moves);
        return s;
    }
    if (n >= 4 && n <= kMaxCubeSize) return solveBig(cube, n, budget);
    s.refusal = Refusal::unsupportedSize;
    s.reason = "The computer cannot read the colours of a cube of this size.";
    return s;
}

}  // namespace vx::solver
