// "Start new cube" and "Quit playing", the buttons a game shows under a
// solved cube.
#include <string>

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
#include "shell/notice.h"
#include "shell/modes.h"
#include "shell/solve_check.h"
#include "shell/puzzle_load.h"

namespace vx {

namespace {

void hideGameButtons(Form& form) {
    form[ControlId::Command6].visible = false;
    form[ControlId::Command7].visible = false;
}

// A game on a loaded puzzle plays that puzzle again, in a random view. A
// puzzle that no longer loads says why, as the load panel does, and that the
// game goes on with a random cube instead.
bool reloadGamePuzzle(Game& g) {
    GameState& s = g.s;
    const PuzzleFile file = readPuzzleFile(s.gamepuzzlename);
    if (!file.puzzle) {
        tell(g, file.refusal + " A random cube was started instead.");
        return false;
    }
    showLoadedPuzzle(g, *file.puzzle, LoadedView::Random);
    hideGameButtons(g.form);
    return true;
}

}  // namespace

void Command6_Click(Game& g) {
    GameState& s = g.s;
    g.platform.maximise();
    if (s.gamepuzzle == 1 && reloadGamePuzzle(g)) return;

    // A new random cube for the game, scrambled as hard as the game's first.
    g.form[ControlId::Label5].text = difficultyText(s.gamescrambles - 1);
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
        eraseSolvedTexts(g);
    }
}

}  // namespace vx
