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
    return s.panelopen == 0 && !g.form[ControlId::Command6].visible && s.panelshown != 1 && s.computersolves == 0;
}

void Form_MouseDown(Game& g, int button, float x, float y) {
    GameState& s = g.s;
    // Only the left and right buttons mean anything on the cube.
    if (button != 1 && button != 2) return;
    if (s.panelopen != 0 || g.form[ControlId::Command6].visible) return;
    const bool modesOffered = s.gameon != 1 && s.drawmode != 1;
    if (modesOffered && kUserSolvesBox.holds(x, y)) {
        setSolver(g, Solver::User);
    } else if (modesOffered && kComputerSolvesBox.holds(x, y)) {
        setSolver(g, Solver::Computer);
    } else if (cubeTakesClicks(g)) {
        s.clickx = x;
        s.clicky = y;
        s.clickpending = 1;
        s.clickbutton = button;
    }
}

}  // namespace vx
