#include "shell/puzzle_load.h"

#include "files/puzzle_name.h"
#include "shell/game.h"
#include "shell/layout.h"
#include "shell/size_menu.h"
#include "shell/solve_check.h"

namespace vx {

PuzzleFile readPuzzleFile(const std::string& name) { return readPuzzle(puzzleFileName(name)); }

void showLoadedPuzzle(Game& g, const PuzzleNumbers& p, LoadedView view) {
    GameState& s = g.s;
    if (!s.play.gameon) {
        s.play.gamestartstate = 1;
        s.play.solvewasnew = true;
    }
    s.play.cubefinished = false;
    s.loop.viewchanged = true;
    s.play.computerlooked = false;
    resetCounters(s.play.counters);

    s.play.cubesize = p.cubesize;
    s.play.view = p.view;
    // The loaded cube keeps the place of the cube before it, with a depth
    // of half its face: the rule every later layout of it follows too.
    s.picture.geometry.halfdepth = true;
    layOutAgain(g);
    tickSize(g.form, s.play.cubesize);
    s.options.pendingsize = s.play.cubesize;
    applySquares(p, s.play.cube);
    applyHistory(p, s.play.history);
    if (view == LoadedView::Random) s.play.view = {s.play.rnd.upTo(6), s.play.rnd.upTo(4)};

    eraseSolvedTexts(g);
    paintCube(g.surface, s.picture.geometry, s.play.cube, s.play.view, s.play.cubesize, s.picture.lastpicture);
}

}  // namespace vx
