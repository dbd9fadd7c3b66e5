#include "shell/puzzle_load.h"

#include "shell/mode_panel.h"
#include "files/file_io.h"
#include "files/puzzle_name.h"
#include "shell/game.h"
#include "shell/size_menu.h"

namespace vx {

std::optional<PuzzleNumbers> readPuzzleFile(const std::string& name, int sizeInForce, int shownSize) {
    const std::optional<std::string> text = readTextFile(puzzleFileName(name));
    if (!text) return std::nullopt;
    std::optional<PuzzleNumbers> p = parsePuzzle(*text);
    if (!p) return std::nullopt;
    // The squares a file does not give keep what the cube held; of a cube of
    // another size that is nothing a player could solve.
    const int n = p->header.empty() ? sizeInForce : p->header.front();
    const auto squares = 12 * static_cast<std::size_t>(n) * static_cast<std::size_t>(n);
    if (n != shownSize && p->squares.size() < squares) return std::nullopt;
    return p;
}

namespace {

// The five header values, as far as the file holds them; the fifth, the axis
// of the last turn, is read back from the history.
void applyPuzzleHeader(GameState& s, const PuzzleNumbers& p) {
    const auto& h = p.header;
    if (h.size() > 0) s.cubesize = h[0];
    if (h.size() > 1) s.view.face = h[1];
    if (h.size() > 2) s.view.turn = h[2];
    if (h.size() > 3) s.history.histcount = h[3];
}

}  // namespace

void showLoadedPuzzle(Game& g, const PuzzleNumbers& p, LoadedView view) {
    GameState& s = g.s;
    if (s.gameon != 1) {
        s.gamestartstate = 1;
        s.solvewasnew = 1;
    }
    s.cubefinished = 0;
    s.viewchanged = 1;
    s.cubesize = s.pendingsize;
    s.history.histcount = 0;
    s.computerlooked = 0;
    resetCounters(s.counters);

    applyPuzzleHeader(s, p);
    setUpFileGeometry(s.geometry, s.cubesize);
    tickSize(g.form, s.cubesize);
    s.pendingsize = s.cubesize;
    applySquares(p, s.cubesize, s.cube);
    applyHistory(p, s.history.histcount, s.history);
    if (view == LoadedView::Random) s.view = {s.rnd.upTo(6), s.rnd.upTo(4)};

    g.surface.box(5, 280, 205, 335, 0);
    const int d = sideTextShift(g);
    g.surface.box(590 + d, 190, 800 + d, 300, 0);
    paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
}

}  // namespace vx
