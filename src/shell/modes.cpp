// The play modes: practice, computer solving, draw-mode and game mode, and
// starting a new puzzle or game. The handlers only change the game's values;
// the main loop does the work.
#include <string>

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/mode_panel.h"
#include "shell/modes.h"
#include "shell/solve_check.h"
#include "files/numbers.h"
#include "files/settings_file.h"

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
    s.drawsavedsolving = 0;
    leaveGame(g);
    setSolver(g, Solver::User);
    if (s.drawmode == 1) eraseSolvedAndPanel(g);
}

void csolve_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (form[MenuId::csolve].checked) return;
    leaveGame(g);
    if (s.computersolves != 1) resetCounters(s.counters);
    // In draw-mode the wish is kept until draw-mode is switched off.
    if (form[MenuId::messup].checked) s.computersolves = 1;
    s.drawsavedsolving = 1;
    showSolver(g, Solver::Computer);
    if (s.drawmode == 1) eraseSolvedAndPanel(g);
}

void setSolver(Game& g, Solver solver) {
    const int solving = solver == Solver::Computer ? 1 : 0;
    if (g.s.computersolves != solving) resetCounters(g.s.counters);
    g.s.computersolves = solving;
    showSolver(g, solver);
}

void showSolver(Game& g, Solver solver) {
    g.form[MenuId::usolve].checked = solver == Solver::User;
    g.form[MenuId::csolve].checked = solver == Solver::Computer;
    g.form[MenuId::gamemode].checked = false;
    g.s.gameon = 0;
    paintModePanel(g, solver);
}

void leaveGame(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (s.gameon == 1) s.gamestartstate = 1;
    form[MenuId::createmode].enabled = true;
    s.drawmode = form[MenuId::createp].checked ? 1 : 0;
    for (ControlId id : {ControlId::Label4, ControlId::Label5, ControlId::Command6, ControlId::Command7}) form[id].visible = false;
    form[MenuId::newpuzzle].caption = "New puzzle";
    form.caption = s.drawmode == 1 ? kDrawCaption : kPracticeCaption;
}


void createp_Click(Game& g) {
    GameState& s = g.s;
    if (s.drawmode == 1) return;
    s.drawsavedsolving = s.computersolves;
    s.computersolves = 0;
    s.drawmode = 1;
    g.form[MenuId::messup].checked = false;
    g.form[MenuId::createp].checked = true;
    eraseModePanel(g);
    g.form.caption = kDrawCaption;
    eraseSolvedTexts(g);
}

void messup_Click(Game& g) {
    GameState& s = g.s;
    if (s.drawmode == 0) return;
    s.computersolves = s.drawsavedsolving;
    s.drawmode = 0;
    g.form[MenuId::messup].checked = true;
    g.form[MenuId::createp].checked = false;
    if (s.panelopen != 1) paintModePanel(g, s.computersolves == 1 ? Solver::Computer : Solver::User);
    g.form.caption = kPracticeCaption;
    // No move since the cube was built or solved: it counts as solved.
    if (s.history.histcount < 1) justSolved(g, SolvedBlock::Short);
}

void gamemode_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    if (form[MenuId::gamemode].checked || s.gameon == 1) return;
    s.gamepuzzle = 0;
    // The fresh cube of the game passes through a solved state before it is
    // scrambled; when the old cube was unsolved, that solve must not count.
    if (!cubeSolved(g)) {
        eraseSolvedTexts(g);
        if (s.gamestartstate == 1) s.gamestartstate = 2;
    }
    s.cubefinished = 0;
    s.viewchanged = 1;
    s.cubesize = s.pendingsize;
    s.history.clear();
    resetCounters(s.counters);

    s.scramblesleft = std::max(scrambleCountPlusOne(g), 2);  // a game always scrambles
    s.gamescrambles = s.scramblesleft;
    s.cubeready = 0;
    s.solvedcount = 0;

    form[MenuId::newpuzzle].caption = "New game";
    form.caption = gameCaption(s.cubesize);
    eraseModePanel(g);
    s.computersolves = 0;
    form[MenuId::usolve].checked = false;
    form[MenuId::csolve].checked = false;
    form[MenuId::gamemode].checked = true;
    s.gameon = 1;
    form[ControlId::Label4].visible = true;
    form[ControlId::Label5].visible = true;
    form[ControlId::Label4].text = solvedCountText(s.solvedcount);
    form[ControlId::Label5].text = difficultyText(s.gamescrambles - 1);
    form[MenuId::createmode].enabled = false;
    s.drawmode = 0;
}

void newpuzzle_Click(Game& g) {
    GameState& s = g.s;
    Form& form = g.form;
    s.stopwaiting = 1;
    g.platform.maximise();
    s.gamepuzzle = 0;
    form[ControlId::Notice].visible = false;
    if (s.gameon == 1) {
        // An unsolved cube of the game given up: the next solve counts only
        // if the buttons are shown.
        s.solvewasnew = form[ControlId::Command6].visible ? 0 : 1;
    } else {
        s.gamestartstate = 1;
        s.solvewasnew = 1;
    }
    s.cubefinished = 0;
    s.viewchanged = 1;
    s.cubesize = s.pendingsize;
    s.history.clear();
    resetCounters(s.counters);

    s.scramblesleft = std::max(scrambleCountPlusOne(g), 1);
    if (s.drawmode == 1) s.scramblesleft = 0;  // a cube to colour is not scrambled
    s.gamescrambles = s.scramblesleft;
    if (s.gameon == 1) {
        s.scramblesleft = std::max(s.scramblesleft, 2);
        s.gamescrambles = s.scramblesleft;
        form[ControlId::Label4].text = solvedCountText(0);
        form[ControlId::Label5].text = difficultyText(s.gamescrambles - 1);
        form.caption = gameCaption(s.cubesize);
    }
    s.cubeready = 0;
    s.solvedcount = 0;
}

void quit_Click(Game& g) { g.ended = true; }

void Form_Unload(Game& g) { g.ended = true; }

}  // namespace vx
