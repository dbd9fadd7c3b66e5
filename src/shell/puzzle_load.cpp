#include "shell/puzzle_load.h"

#include "shell/game.h"
#include "files/file_io.h"
#include "files/puzzle_name.h"
#include "shell/size_menu.h"

namespace vx {

std::optional<PuzzleNumbers> readPuzzleFile(const std::string& name, int fallbackSize) {
    const std::optional<std::string> text = readTextFile(puzzleFileName(name));
    if (!text) return std::nullopt;
    return parsePuzzle(*text, fallbackSize);
}

void startLoadedCube(GameState& s) {
    s.cubefinished = 0;
    s.viewchanged = 1;
    s.cubesize = s.pendingsize;
    s.history.histcount = 0;
    resetCounters(s.counters);
}

void applyPuzzleHeader(GameState& s, const PuzzleNumbers& p) {
    const auto& h = p.header;
    if (h.size() > 0) s.cubesize = h[0];
    if (h.size() > 1) s.view.face = h[1];
    if (h.size() > 2) s.view.turn = h[2];
    if (h.size() > 3) s.history.histcount = h[3];
    if (h.size() > 4) s.newturn.axis = h[4];
}

void takeLoadedSize(Game& g) {
    setUpFileGeometry(g.s.geometry, g.s.cubesize);
    tickSize(g.form, g.s.cubesize);
    g.s.pendingsize = g.s.cubesize;
}

void applyPuzzleBody(GameState& s, const PuzzleNumbers& p) {
    applySquares(p, s.cubesize, s.cube);
    applyHistory(p, s.history.histcount, s.history);
}

void clearSolvedTextsForLoad(Game& g) {
    g.surface.box(5, 280, 205, 335, 0);
    g.surface.box(590, 190, 800, 300, 0);
}

void randomView(GameState& s) {
    s.view.face = s.rnd.upTo(6);
    s.view.turn = s.rnd.upTo(4);
}

}  // namespace vx
