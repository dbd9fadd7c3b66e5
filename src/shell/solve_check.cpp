#include "shell/solve_check.h"

#include <string>

#include "shell/game.h"
#include "shell/mode_panel.h"

namespace vx {

bool cubeSolved(const Game& g) { return g.s.cube.solved(g.s.cubesize); }

void eraseSolvedTexts(Game& g) {
    boxBesideCube(g, 7, 255, 208, 355, 0);
    boxBesideCube(g, 591, 167, 792, 267, 0);
}

void eraseSolvedBands(Game& g) {
    boxBesideCube(g, 5, 280, 205, 333, 0);
    boxBesideCube(g, 590, 188, 790, 245, 0);
}

void solveCheck(Game& g) {
    GameState& s = g.s;
    s.solvedbefore = s.solvednow;
    s.solvednow = 0;
    if (!cubeSolved(g)) {
        eraseSolvedTexts(g);
        s.solvednow = 1;
    }
    if (s.solvednow == 0 && s.solvedbefore != 0) {
        justSolved(g, SolvedBlock::Full);
    } else if (s.solvednow != 0 && g.form[ControlId::Command6].visible) {
        g.form[ControlId::Command6].visible = false;
        g.form[ControlId::Command7].visible = false;
    }
}

namespace {

// A cube of the game solved: count it and offer the next one, unless the
// solve must not count.
void countSolve(Game& g) {
    GameState& s = g.s;
    Control& command6 = g.form[ControlId::Command6];
    if (s.gameon == 1 && (s.solvewasnew != 1 || command6.visible)) {
        if (s.gamestartstate != 2) {
            command6.visible = true;
            g.form[ControlId::Command7].visible = true;
            s.solvedcount += 1;
        }
        g.form[ControlId::Label4].text = solvedCountText(s.solvedcount);
    }
}

// "Solved Cube!" twice, each on a green band; the black boxes cut off what
// of the large text lies outside its band.
void showSolvedTexts(Game& g, int leftTextY) {
    Surface& surface = g.surface;
    boxBesideCube(g, 8, 288, 201, 329, 10);
    surface.currentX = 8;
    surface.currentY = leftTextY;
    printBesideCube(g, "Solved Cube!");
    boxBesideCube(g, 7, 255, 208, 287, 0);
    boxBesideCube(g, 7, 330, 208, 355, 0);

    boxBesideCube(g, 592, 200, 785, 241, 10);
    surface.currentX = 592;
    surface.currentY = 202;
    printBesideCube(g, "Solved Cube!");
    boxBesideCube(g, 591, 167, 792, 199, 0);
    boxBesideCube(g, 591, 242, 792, 267, 0);
}

}  // namespace

void justSolved(Game& g, SolvedBlock block) {
    GameState& s = g.s;
    Form& form = g.form;
    const bool full = block == SolvedBlock::Full;

    if (full) s.history.clear();
    const double savedFontSize = s.fontsize;
    s.fontsize = 24;

    if (full) {
        // A cube of the game that was solved, turned and solved again.
        if (!form[ControlId::Command6].visible && s.gameon == 1 && s.cubefinished == 1) {
            form[ControlId::Command6].visible = true;
            form[ControlId::Command7].visible = true;
            if (s.solvedcount < 0) s.solvedcount = 0;
            form.caption = gameCaption(s.cubesize);
        }
        countSolve(g);
        s.solvewasnew = 0;
        if (s.gamestartstate == 2) s.gamestartstate = 0;
        s.cubefinished = 1;
        form[MenuId::savepuzzle].enabled = false;
    } else {
        s.cubefinished = 1;
        form[MenuId::savepuzzle].enabled = false;
        countSolve(g);
        if (s.gamestartstate == 2) s.gamestartstate = 0;
    }

    showSolvedTexts(g, full ? 290 : 291);
    s.fontsize = savedFontSize;
    if (s.drawmode == 1) eraseSolvedBands(g);
}

}  // namespace vx
