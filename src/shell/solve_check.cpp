#include "shell/solve_check.h"

#include <algorithm>
#include <string>

#include "shell/game.h"
#include "shell/mode_panel.h"

namespace vx {

bool cubeSolved(const Game& g) { return g.s.play.cube.solved(g.s.play.cubesize); }

void eraseSolvedTexts(Game& g) {
    const int d = sideTextShift(g);
    boxBesideCube(g, 7, 255, 208, 355, 0);
    boxBesideCube(g, 591 + d, 167, 792 + d, 267, 0);
}

void eraseSolvedBands(Game& g) {
    const int d = sideTextShift(g);
    boxBesideCube(g, 5, 280, 205, 333, 0);
    boxBesideCube(g, 590 + d, 188, 790 + d, 245, 0);
}

namespace {

bool onPicture(const PaintedArea& a, int x, int y) {
    return !a.empty() && x >= a.x1 && x <= a.x2 && y >= a.y1 && y <= a.y2;
}

}  // namespace

SidePicture takeRightSolvedText(Game& g) {
    const int d = sideTextShift(g);
    SidePicture picture{591 + d, 167, 202, 101, {}};
    const PaintedArea& cube = g.s.picture.lastpicture;
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = picture.top; y < picture.top + picture.height; ++y)
        for (int x = picture.left; x < picture.left + picture.width; ++x) {
            picture.pixels.push_back(onPicture(cube, x, y) ? 0 : std::max(g.surface.pixel(x, y), 0));
        }
    boxBesideCube(g, 591 + d, 167, 792 + d, 267, 0);
    return picture;
}

void putRightSolvedText(Game& g, const SidePicture& picture) {
    const int d = sideTextShift(g);
    const PaintedArea& cube = g.s.picture.lastpicture;
    const int left = 591 + d;
    std::size_t i = 0;
    for (int y = picture.top; y < picture.top + picture.height; ++y)
        for (int x = left; x < left + picture.width; ++x) {
            const int colour = picture.pixels[i++];
            if (colour != 0 && !onPicture(cube, x, y)) g.surface.box(x, y, x, y, colour);
        }
}

void solveCheck(Game& g) {
    GameState& s = g.s;
    s.play.solvedbefore = s.play.solvednow;
    s.play.solvednow = true;
    if (!cubeSolved(g)) {
        eraseSolvedTexts(g);
        s.play.solvednow = false;
    }
    if (s.play.solvednow && !s.play.solvedbefore) {
        justSolved(g, SolvedBlock::Full);
    } else if (!s.play.solvednow && g.form[ControlId::Command6].visible) {
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
    if (s.play.gameon && (!s.play.solvewasnew || command6.visible)) {
        if (s.play.gamestartstate != 2) {
            command6.visible = true;
            g.form[ControlId::Command7].visible = true;
            s.play.solvedcount += 1;
        }
        g.form[ControlId::Label4].text = solvedCountText(s.play.solvedcount);
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

    const int d = sideTextShift(g);
    boxBesideCube(g, 592 + d, 200, 785 + d, 241, 10);
    surface.currentX = 592 + d;
    surface.currentY = 202;
    printBesideCube(g, "Solved Cube!");
    boxBesideCube(g, 591 + d, 167, 792 + d, 199, 0);
    boxBesideCube(g, 591 + d, 242, 792 + d, 267, 0);
}

}  // namespace

void justSolved(Game& g, SolvedBlock block) {
    GameState& s = g.s;
    Form& form = g.form;
    const bool full = block == SolvedBlock::Full;

    if (full) s.play.history.clear();
    const double savedFontSize = s.picture.fontsize;
    s.picture.fontsize = 24;

    if (full) {
        // A cube of the game that was solved, turned and solved again.
        if (!form[ControlId::Command6].visible && s.play.gameon && s.play.cubefinished) {
            form[ControlId::Command6].visible = true;
            form[ControlId::Command7].visible = true;
            if (s.play.solvedcount < 0) s.play.solvedcount = 0;
            form.caption = gameCaption(s.play.cubesize);
        }
        countSolve(g);
        s.play.solvewasnew = false;
        if (s.play.gamestartstate == 2) s.play.gamestartstate = 0;
        s.play.cubefinished = true;
        form[MenuId::savepuzzle].enabled = false;
    } else {
        s.play.cubefinished = true;
        form[MenuId::savepuzzle].enabled = false;
        countSolve(g);
        if (s.play.gamestartstate == 2) s.play.gamestartstate = 0;
    }

    showSolvedTexts(g, full ? 290 : 291);
    s.picture.fontsize = savedFontSize;
    if (s.play.drawmode) eraseSolvedBands(g);
}

}  // namespace vx
