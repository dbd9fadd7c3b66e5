#include "shell/puzzle_load.h"

#include "shell/mode_panel.h"
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
    setUpFileGeometry(s.geometry, s.cubesize);
    tickSize(g.form, s.cubesize);
    s.pendingsize = s.cubesize;
    applySquares(p, s.cube);
    applyHistory(p, s.history);
    if (view == LoadedView::Random) s.view = {s.rnd.upTo(6), s.rnd.upTo(4)};

    g.surface.box(5, 280, 205, 335, 0);
    const int d = sideTextShift(g);
    g.surface.box(590 + d, 190, 800 + d, 300, 0);
    paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
}

}  // namespace vx
