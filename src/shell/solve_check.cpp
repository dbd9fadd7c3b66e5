#include "shell/solve_check.h"

#include <algorithm>
#include <string>

#include "shell/game.h"
#include "shell/mode_panel.h"
#include "shell/side_panel.h"

namespace vx {

bool cubeSolved(const Game& g) { return g.s.play.cube.solved(g.s.play.cubesize); }

namespace {

void boxBesideCube(Game& g, const SideBox& b, int colour) { boxBesideCube(g, b.x1, b.y1, b.x2, b.y2, colour); }

}  // namespace

void eraseSolvedTexts(Game& g) {
    boxBesideCube(g, kLeftSolvedArea, 0);
    boxBesideCube(g, rightSolvedArea(g.surface.width()), 0);
}

namespace {

bool onPicture(const PaintedArea& a, int x, int y) {
    return !a.empty() && x >= a.x1 && x <= a.x2 && y >= a.y1 && y <= a.y2;
}

}  // namespace

SidePicture takeRightSolvedText(Game& g) {
    const SideBox area = rightSolvedArea(g.surface.width());
    SidePicture picture{area.x1, area.y1, area.x2 - area.x1 + 1, area.y2 - area.y1 + 1, {}};
    const PaintedArea& cube = g.s.picture.lastpicture;
    picture.pixels.reserve(static_cast<std::size_t>(picture.width) * static_cast<std::size_t>(picture.height));
    for (int y = picture.top; y < picture.top + picture.height; ++y)
        for (int x = picture.left; x < picture.left + picture.width; ++x) {
            picture.pixels.push_back(onPicture(cube, x, y) ? 0 : std::max(g.surface.pixel(x, y), 0));
        }
    boxBesideCube(g, area, 0);
    return picture;
}

void putRightSolvedText(Game& g, const SidePicture& picture) {
    const PaintedArea& cube = g.s.picture.lastpicture;
    const int left = rightSolvedArea(g.surface.width()).x1;
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
    s.play.solvednow = 0;
    if (!cubeSolved(g)) {
        eraseSolvedTexts(g);
        s.play.solvednow = 1;
    }
    if (s.play.solvednow == 0 && s.play.solvedbefore != 0) {
        justSolved(g, SolvedBlock::Full);
    } else if (s.play.solvednow != 0 && g.form[ControlId::Command6].visible) {
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

// "Solved Cube!" on a green band in its area; the black boxes above and
// below the band cut off what of the large text lies outside it.
void showSolvedText(Game& g, const SideBox& area, const SideBox& band, int textTop) {
    boxBesideCube(g, band, 10);
    g.surface.currentX = band.x1;
    g.surface.currentY = textTop;
    printBesideCube(g, "Solved Cube!");
    boxBesideCube(g, {area.x1, area.y1, area.x2, band.y1 - 1}, 0);
    boxBesideCube(g, {area.x1, band.y2 + 1, area.x2, area.y2}, 0);
}

// Both texts; the short form puts the left-hand one a row lower.
void showSolvedTexts(Game& g, SolvedBlock block) {
    const int lower = block == SolvedBlock::Short ? 1 : 0;
    showSolvedText(g, kLeftSolvedArea, kLeftSolvedBand, kLeftSolvedBand.y1 + kSolvedTextDown + lower);
    const SideBox band = rightSolvedBand(g.surface.width());
    showSolvedText(g, rightSolvedArea(g.surface.width()), band, band.y1 + kSolvedTextDown);
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

    showSolvedTexts(g, block);
    s.picture.fontsize = savedFontSize;
    if (s.play.drawmode) eraseSolvedTexts(g);
}

}  // namespace vx
