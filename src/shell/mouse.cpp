// Mouse buttons on the main form: the two boxes of the mode panel switch
// between practice and computer solving; any other click waits for the main
// loop, which hit-tests it against the front face.
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/modes.h"
#include "shell/side_panel.h"
#include "shell/turn_cursor.h"

namespace vx {

bool cubeTakesClicks(const Game& g) {
    const GameState& s = g.s;
    return !s.panels.panelopen && !g.form[ControlId::Command6].visible && !s.panels.panelopen && !s.play.computersolves;
}

void Form_MouseDown(Game& g, int button, float x, float y) {
    GameState& s = g.s;
    // Only the left and right buttons mean anything on the cube.
    if (button != 1 && button != 2) return;
    if (s.panels.panelopen || g.form[ControlId::Command6].visible) return;
    const bool modesOffered = !s.play.gameon && !s.play.drawmode;
    if (modesOffered && kUserSolvesBox.holds(x, y)) {
        setSolver(g, Solver::User);
    } else if (modesOffered && kComputerSolvesBox.holds(x, y)) {
        setSolver(g, Solver::Computer);
    } else if (cubeTakesClicks(g)) {
        s.loop.clickx = x;
        s.loop.clicky = y;
        s.loop.clickpending = true;
        s.loop.clickbutton = button;
    }
}

}  // namespace vx
