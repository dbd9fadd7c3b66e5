// "Start new cube" and "Quit playing", the buttons a game shows under a
// solved cube.
#include <string>

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
#include "shell/modes.h"
#include "shell/notice.h"
#include "shell/puzzle_load.h"
#include "shell/solve_check.h"

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
    const PuzzleFile file = readPuzzleFile(s.play.gamepuzzlename);
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
    if (s.play.gamepuzzle && reloadGamePuzzle(g)) return;

    // A new random cube for the game, scrambled as hard as the game's first.
    g.form[ControlId::Label5].text = difficultyText(s.play.gamescrambles - 1);
    s.loop.viewchanged = true;
    s.play.history.clear();
    resetCounters(s.play.counters);
    s.loop.cubeready = false;
    s.play.scramblesleft = s.play.gamescrambles;
    hideGameButtons(g.form);
}

void Command7_Click(Game& g) {
    GameState& s = g.s;
    leaveGame(g);
    if (s.play.solvedcount < 0) s.play.solvedcount = 0;
    setSolver(g, Solver::User);
    if (s.play.drawmode) {
        eraseModePanel(g);
        eraseSolvedTexts(g);
    }
}

}  // namespace vx
