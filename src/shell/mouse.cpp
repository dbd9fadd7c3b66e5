// Mouse buttons on the main form: the two boxes of the mode panel switch
// between practice and computer solving; any other click waits for the main
// loop, which hit-tests it against the front face.
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/hint.h"
#include "shell/modes.h"

namespace vx {

namespace {

bool inBox(float x, float y, int left, int top, int right, int bottom) {
    return x >= left && x <= right && y >= top && y <= bottom;
}

}  // namespace

void Form_MouseDown(Game& g, int button, float x, float y) {
    endHint(g);
    GameState& s = g.s;
    // Only the left and right buttons mean anything on the cube.
    if (button != 1 && button != 2) return;
    if (s.panels.panelopen || g.form[ControlId::Command6].visible) return;
    const bool modesOffered = !s.play.gameon && !s.play.drawmode;
    if (modesOffered && inBox(x, y, 32, 32, 113, 65)) {
        setSolver(g, Solver::User);
    } else if (modesOffered && inBox(x, y, 32, 96, 113, 129)) {
        setSolver(g, Solver::Computer);
    } else if (!s.panels.panelopen && !s.play.computersolves) {
        s.loop.clickx = x;
        s.loop.clicky = y;
        s.loop.clickpending = true;
        s.loop.clickbutton = button;
    }
}

}  // namespace vx
