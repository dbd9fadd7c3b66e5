// Keys on the main form: the arrows turn the whole cube, r and t turn it
// about the line of sight, b asks the computer for one move.
#include "cube/key_codes.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/modes.h"

namespace vx {

namespace {

void oneComputerMove(Game& g) {
    GameState& s = g.s;
    if (s.drawmode == 1 || s.gameon == 1) return;
    setSolver(g, Solver::Computer);
    s.onemove = 1;
}

}  // namespace

void Form_KeyDown(Game& g, int keycode) {
    GameState& s = g.s;
    if (s.computersolves != 0 || s.panelshown == 1) return;
    // Key codes are key codes: a letter arrives as its upper-case code whatever
    // the case, and 97..122 are other keys (the keypad's digits, F1..F11).
    switch (keycode) {
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down:
        s.viewchanged = 1;
        s.view = arrowTurn(s.view, static_cast<Arrow>(keycode));
        break;
    case key::B:
        oneComputerMove(g);
        break;
    case key::R:
        s.view = keyR(s.view);
        s.viewchanged = 1;
        break;
    case key::T:
        s.view = keyT(s.view);
        s.viewchanged = 1;
        break;
    default:
        break;
    }
}

}  // namespace vx
