#include "shell/puzzle_load.h"

#include "shell/layout.h"
#include "shell/solve_check.h"
#include "files/puzzle_name.h"
#include "shell/game.h"
#include "shell/size_menu.h"

namespace vx {

PuzzleFile readPuzzleFile(const std::string& name) { return readPuzzle(puzzleFileName(name)); }

void showLoadedPuzzle(Game& g, const PuzzleNumbers& p, LoadedView view) {
    GameState& s = g.s;
    if (s.gameon != 1) {
        s.gamestartstate = 1;
        s.solvewasnew = 1;
    }
    s.cubefinished = 0;
    s.viewchanged = 1;
    s.computerlooked = 0;
    resetCounters(s.counters);

    s.cubesize = p.cubesize;
    s.view = p.view;
    // The loaded cube keeps the place of the cube before it, with a depth
    // of half its face: the rule every later layout of it follows too.
    s.geometry.halfdepth = true;
    layOutAgain(g);
    tickSize(g.form, s.cubesize);
    s.pendingsize = s.cubesize;
    applySquares(p, s.cube);
    applyHistory(p, s.history);
    if (view == LoadedView::Random) s.view = {s.rnd.upTo(6), s.rnd.upTo(4)};

    eraseSolvedTexts(g);
    paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
}

}  // namespace vx
