#include "app/solve_command.h"

#include <ostream>

#include "files/puzzle_file.h"
#include "solver/notation.h"
#include "solver/solver.h"

namespace vx {

int solveCommand(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    // The load panel's reading: the same refusals, told in the same words.
    const PuzzleFile puzzle = readPuzzle(file);
    if (!puzzle.puzzle) {
        err << "vexelcube: " << puzzle.refusal << '\n';
        return 2;
    }
    const int n = puzzle.puzzle->cubesize;
    Cube cube;
    applySquares(*puzzle.puzzle, cube);
    // The game's own budget: the same puzzle gets the same solution here as
    // in the window and the script mode.
    const solver::Solution s = solver::solve(cube, n);
    if (!s.solved()) {
        err << "vexelcube: " << s.reason << '\n';
        return 1;
    }
    out << solver::signNotation(s.moves, n) << '\n';
    return 0;
}

}  // namespace vx
