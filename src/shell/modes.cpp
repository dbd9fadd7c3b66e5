// The play modes: practice, computer solving, draw-mode and game mode, and
// starting a new puzzle or game. The handlers only change the game's values;
// the main loop does the work.
#include "shell/modes.h"

#include <string>

#include "files/numbers.h"
#include "files/settings_file.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
#include "shell/solve_check.h"

namespace vx {

namespace {

// The scramble count in its box, plus one. The box may hold what the
// settings file gave, so the count is held to its range first.
int scrambleCountPlusOne(const Game& g) {
    return toWhole(clampScrambleCount(leadingNumber(g.form[ControlId::Text1].text)) + 1);
}

void eraseSolvedAndPanel(Game& g) {
    eraseModePanel(g);
    eraseSolvedTexts(g);
}

}  // namespace

void usolve_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (form[MenuId::usolve].checked) return;
    s.play.drawsavedsolving = false;
    leaveGame(g);
    setSolver(g, Solver::User);
    if (s.play.drawmode) eraseSolvedAndPanel(g);
}

void csolve_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (form[MenuId::csolve].checked) return;
    leaveGame(g);
    if (!s.play.computersolves) resetCounters(s.play.counters);
    // In draw-mode the wish is kept until draw-mode is switched off.
    if (form[MenuId::messup].checked) s.play.computersolves = true;
    s.play.drawsavedsolving = true;
    showSolver(g, Solver::Computer);
    if (s.play.drawmode) eraseSolvedAndPanel(g);
}

void setSolver(Game& g, Solver solver) {
    const bool solving = solver == Solver::Computer;
    if (g.s.play.computersolves != solving) resetCounters(g.s.play.counters);
    g.s.play.computersolves = solving;
    showSolver(g, solver);
}

void showSolver(Game& g, Solver solver) {
    g.form[MenuId::usolve].checked = solver == Solver::User;
    g.form[MenuId::csolve].checked = solver == Solver::Computer;
    g.form[MenuId::gamemode].checked = false;
    g.s.play.gameon = false;
    paintModePanel(g, solver);
}

void leaveGame(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (s.play.gameon) s.play.gamestartstate = 1;
    form[MenuId::createmode].enabled = true;
    s.play.drawmode = form[MenuId::createp].checked;
    for (ControlId id : {ControlId::Label4, ControlId::Label5, ControlId::Command6, ControlId::Command7})
        form[id].visible = false;
    form[MenuId::newpuzzle].caption = "New puzzle";
    form.caption = s.play.drawmode ? kDrawCaption : kPracticeCaption;
}

void createp_Click(Game& g) {
    GameState& s = g.s;
    if (s.play.drawmode) return;
    s.play.drawsavedsolving = s.play.computersolves;
    s.play.computersolves = false;
    s.play.drawmode = true;
    g.form[MenuId::messup].checked = false;
    g.form[MenuId::createp].checked = true;
    eraseModePanel(g);
    g.form.caption = kDrawCaption;
    eraseSolvedTexts(g);
}

void messup_Click(Game& g) {
    GameState& s = g.s;
    if (!s.play.drawmode) return;
    s.play.computersolves = s.play.drawsavedsolving;
    s.play.drawmode = false;
    g.form[MenuId::messup].checked = true;
    g.form[MenuId::createp].checked = false;
    if (!s.panels.panelopen) paintModePanel(g, s.play.computersolves ? Solver::Computer : Solver::User);
    g.form.caption = kPracticeCaption;
    // No move since the cube was built or solved: it counts as solved.
    if (s.play.history.histcount < 1) justSolved(g, SolvedBlock::Short);
}

void gamemode_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (form[MenuId::gamemode].checked || s.play.gameon) return;
    s.play.gamepuzzle = false;
    // The fresh cube of the game passes through a solved state before it is
    // scrambled; when the old cube was unsolved, that solve must not count.
    if (!cubeSolved(g)) {
        eraseSolvedTexts(g);
        if (s.play.gamestartstate == 1) s.play.gamestartstate = 2;
    }
    s.play.cubefinished = false;
    s.loop.viewchanged = true;
    s.play.cubesize = s.options.pendingsize;
    s.play.history.clear();
    resetCounters(s.play.counters);

    s.play.scramblesleft = std::max(scrambleCountPlusOne(g), 2);  // a game always scrambles
    s.play.gamescrambles = s.play.scramblesleft;
    s.loop.cubeready = false;
    s.play.solvedcount = 0;

    form[MenuId::newpuzzle].caption = "New game";
    form.caption = gameCaption(s.play.cubesize);
    eraseModePanel(g);
    s.play.computersolves = false;
    form[MenuId::usolve].checked = false;
    form[MenuId::csolve].checked = false;
    form[MenuId::gamemode].checked = true;
    s.play.gameon = true;
    form[ControlId::Label4].visible = true;
    form[ControlId::Label5].visible = true;
    form[ControlId::Label4].text = solvedCountText(s.play.solvedcount);
    form[ControlId::Label5].text = difficultyText(s.play.gamescrambles - 1);
    form[MenuId::createmode].enabled = false;
    s.play.drawmode = false;
}

void newpuzzle_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    s.loop.stopwaiting = true;
    g.platform.maximise();
    s.play.gamepuzzle = false;
    form[ControlId::Notice].visible = false;
    if (s.play.gameon) {
        // An unsolved cube of the game given up: the next solve counts only
        // if the buttons are shown.
        s.play.solvewasnew = !form[ControlId::Command6].visible;
    } else {
        s.play.gamestartstate = 1;
        s.play.solvewasnew = true;
    }
    s.play.cubefinished = false;
    s.loop.viewchanged = true;
    s.play.cubesize = s.options.pendingsize;
    s.play.history.clear();
    resetCounters(s.play.counters);

    s.play.scramblesleft = std::max(scrambleCountPlusOne(g), 1);
    if (s.play.drawmode) s.play.scramblesleft = 0;  // a cube to colour is not scrambled
    s.play.gamescrambles = s.play.scramblesleft;
    if (s.play.gameon) {
        s.play.scramblesleft = std::max(s.play.scramblesleft, 2);
        s.play.gamescrambles = s.play.scramblesleft;
        form[ControlId::Label4].text = solvedCountText(0);
        form[ControlId::Label5].text = difficultyText(s.play.gamescrambles - 1);
        form.caption = gameCaption(s.play.cubesize);
    }
    s.loop.cubeready = false;
    s.play.solvedcount = 0;
}

void quit_Click(Game& g) { g.ended = true; }

void Form_Unload(Game& g) { g.ended = true; }

}  // namespace vx
