#include "solver/solver.h"

#include "solver/big/big_solver.h"
#include "solver/big/small_centres.h"
#include "solver/three/tables.h"
#include "solver/three/three_solver.h"
#include "solver/two/two_solver.h"

namespace vx::solver {

void prepare() {
    // Each set is a function's static: the language builds it once, and
    // makes every other caller wait until it is built.
    prepareTwo();
    three::tables();
    big::prepareSmallCentres();
}

Solution solve(const Cube& cube, int n, const Budget& budget) {
    if (n == 2) return solveTwo(cube);
    if (n == 3) return solveThree(cube, true, budget);
    if (n >= 4 && n <= kMaxCubeSize) return solveBig(cube, n, budget);
    Solution s;
    s.refusal = Refusal::unsupportedSize;
    s.reason = "The computer cannot read the colours of a cube of this size.";
    return s;
}

}  // namespace vx::solver
