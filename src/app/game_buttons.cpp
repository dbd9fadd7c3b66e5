// "Start new cube" and "Quit playing", the buttons a game shows under a
// solved cube.
#include <string>

#include "app/game.h"
#include "app/handlers.h"
#include "app/mode_panel.h"
#include "app/modes.h"
#include "app/solve_check.h"
#include "panels/puzzle_load.h"

namespace vx {

namespace {

void hideGameButtons(Form& form) {
    form.control("Command6").visible = false;
    form.control("Command7").visible = false;
}

// A game on a loaded puzzle plays that puzzle again, in a random view.
bool reloadGamePuzzle(Game& g) {
    GameState& s = g.s;
    const std::optional<PuzzleNumbers> puzzle = readPuzzleFile(s.gamepuzzlename, s.pendingsize, s.cubesize);
    if (!puzzle) return false;
    if (s.gameon != 1) {
        s.gamestartstate = 1;
        s.solvewasnew = 1;
    }
    startLoadedCube(s);
    applyPuzzleHeader(s, *puzzle);
    takeLoadedSize(g);
    applyPuzzleBody(s, *puzzle);
    randomView(s);
    clearSolvedTextsForLoad(g);
    paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
    hideGameButtons(g.form);
    return true;
}

}  // namespace

void Command6_Click(Game& g) {
    GameState& s = g.s;
    g.platform.maximise();
    if (s.gamepuzzle == 1 && reloadGamePuzzle(g)) return;

    // A new random cube for the game, scrambled as hard as the game's first.
    g.form.control("Label5").text = "Difficulty level: " + std::to_string(s.gamescrambles - 1);
    s.viewchanged = 1;
    s.history.clear();
    resetCounters(s.counters);
    s.cubeready = 0;
    s.scramblesleft = s.gamescrambles;
    hideGameButtons(g.form);
}

void Command7_Click(Game& g) {
    GameState& s = g.s;
    leaveGame(g);
    if (s.solvedcount < 0) s.solvedcount = 0;
    setSolver(g, Solver::User);
    if (s.drawmode == 1) {
        eraseModePanel(g);
        eraseSolvedBands(g);
    }
}

}  // namespace vx
