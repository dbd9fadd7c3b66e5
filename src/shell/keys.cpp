// Keys on the main form: the arrows turn the whole cube, r and t turn it
// about the line of sight, b asks the computer for one move, h for a hint.
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/modes.h"

namespace vx {

namespace {

enum : int { kLeft = 37, kUp = 38, kRight = 39, kDown = 40, kB = 66, kH = 72, kR = 82, kT = 84 };

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
    case kLeft:
    case kUp:
    case kRight:
    case kDown:
        s.viewchanged = 1;
        s.view = arrowTurn(s.view, static_cast<Arrow>(keycode));
        break;
    case kB:
        oneComputerMove(g);
        break;
    case kH:
        hint_Click(g);
        break;
    case kR:
        s.view = keyR(s.view);
        s.viewchanged = 1;
        break;
    case kT:
        s.view = keyT(s.view);
        s.viewchanged = 1;
        break;
    default:
        break;
    }
}

}  // namespace vx
