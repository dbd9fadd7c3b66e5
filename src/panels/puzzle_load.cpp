#include "panels/puzzle_load.h"

#include "app/game.h"
#include "app/mode_panel.h"
#include "files/file_io.h"
#include "files/puzzle_name.h"
#include "panels/size_menu.h"

namespace vx {

std::optional<PuzzleNumbers> readPuzzleFile(const std::string& name, int fallbackSize, int shownSize) {
    const std::optional<std::string> text = readTextFile(puzzleFileName(name));
    if (!text) return std::nullopt;
    std::optional<PuzzleNumbers> p = parsePuzzle(*text, fallbackSize);
    if (!p) return std::nullopt;
    // The squares a file does not give keep what the cube held; of a cube of
    // another size that is nothing a player could solve.
    const int n = p->header.empty() ? fallbackSize : p->header.front();
    const auto squares = 12 * static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    if (n != shownSize && p->squares.size() < squares) return std::nullopt;
    return p;
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
    const int d = sideTextShift(g);
    g.surface.box(590 + d, 190, 800 + d, 300, 0);
}

void randomView(GameState& s) {
    s.view.face = s.rnd.upTo(6);
    s.view.turn = s.rnd.upTo(4);
}

}  // namespace vx
