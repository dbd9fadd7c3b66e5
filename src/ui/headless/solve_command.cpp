#include "ui/headless/solve_command.h"

#include <ostream>

#include "files/file_io.h"
#include "files/puzzle_file.h"
#include "solver/notation.h"
#include "solver/solver.h"

namespace vx {

int solveCommand(const std::filesystem::path& file, std::ostream& out, std::ostream& err) {
    const std::optional<std::string> text = readTextFile(file);
    if (!text) {
        err << "vexelcube: cannot read " << file.string() << '\n';
        return 2;
    }
    const std::optional<PuzzleNumbers> p = parsePuzzle(*text);
    const int n = p && !p->header.empty() ? p->header[0] : 0;
    if (n < kMinCubeSize || n > kMaxCubeSize || p->squares.size() < static_cast<std::size_t>(12 * n * n)) {
        err << "vexelcube: " << file.string() << " is not a whole puzzle file\n";
        return 2;
    }
    Cube cube;
    applySquares(*p, n, cube);
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
