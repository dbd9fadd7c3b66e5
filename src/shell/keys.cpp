// Keys on the main form: the arrows turn the whole cube, r and t turn it
// about the line of sight, b asks the computer for one move, h for a hint.
#include "cube/key_codes.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/modes.h"

namespace vx {

namespace {

void oneComputerMove(Game& g) {
    GameState& s = g.s;
    if (s.play.drawmode || s.play.gameon) return;
    setSolver(g, Solver::Computer);
    s.play.onemove = true;
}

}  // namespace

void Form_KeyDown(Game& g, int keycode) {
    GameState& s = g.s;
    if (s.play.computersolves || s.panels.panelopen) return;
    // Key codes are key codes: a letter arrives as its upper-case code whatever
    // the case, and 97..122 are other keys (the keypad's digits, F1..F11).
    switch (keycode) {
    case key::Left:
    case key::Up:
    case key::Right:
    case key::Down:
        s.loop.viewchanged = true;
        s.play.view = arrowTurn(s.play.view, static_cast<Arrow>(keycode));
        break;
    case key::B: oneComputerMove(g); break;
    case key::H: hint_Click(g); break;
    case key::R:
        s.play.view = keyR(s.play.view);
        s.loop.viewchanged = true;
        break;
    case key::T:
        s.play.view = keyT(s.play.view);
        s.loop.viewchanged = true;
        break;
    default: break;
    }
}

}  // namespace vx
