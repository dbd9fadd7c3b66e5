// The one routine that does the game's work: start-up, then the main loop,
// pass after pass, until "Quit" or the window is closed. Handlers run only
// inside its two yields (the idle poll and the move wait) and just set
// values; the loop acts on them.
#include <algorithm>
#include <climits>

#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/layout.h"
#include "shell/mode_panel.h"
#include "shell/modes.h"
#include "shell/settings.h"
#include "shell/solve_check.h"
#include "files/numbers.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/record.h"
#include "history/scrambler.h"
#include "shell/hit_test.h"
#include "shell/colour_panel.h"
#include "shell/computer_plan.h"

namespace vx {

namespace {

// Where a pass goes on. The names follow the order of the stages in a pass.
enum class Stage {
    PassStart,     // the scramble step, or the idle poll
    IdlePoll,      // the idle poll, the computer step, new cube, view change, click
    Convert,       // a click or draw-mode step becomes a recorded turn
    Turn,          // the layer turn
    AfterTurn,     // no drawing while scrambling
    DrawSequence,  // the next step of a draw-mode sequence, if any
    Redraw,
    Countdown,     // the scramble countdown
    OneMoveReturn,
    SolveCheck,
};

// The surface follows the client area of the window.
void fitSurface(Game& g) {
    const ClientSize size = g.platform.clientSize();
    if (size.width != g.surface.width() || size.height != g.surface.height())
        g.surface.resize(size.width, size.height);
}

void startUp(Game& g) {
    GameState& s = g.s;
    fitSurface(g);
    s.lastpuzzlename.clear();
    s.gamepuzzle = 0;
    s.rotationtime = 0;
    s.gamestartstate = 1;
    s.solvewasnew = 0;
    paintModePanel(g, Solver::User, true);
    s.computersolves = 0;
    s.scramblesleft = 4;
    g.platform.maximise();
    fitSurface(g);
    s.cubesize = 3;
    s.pendingsize = s.cubesize;
    s.colorcount = 6;
    s.facecolor = kDefaultFaceColors;
    removeStaleSaves();
    readSettingsAtStartUp(g);
    s.colorpanelused = 0;
    for (const ColourBox& box : kColourBoxes) g.form[box.id].backcolor = box.colour;
}

Stage newCubeSetUp(Game& g) {
    GameState& s = g.s;
    const int n = s.cubesize;
    s.history.clear();
    s.usedcolor.fill(-2);
    s.view.turn = -1;
    s.counters.lastface = s.counters.lastcol = s.counters.lastrow = -1;
    s.move.turnkind = -1;
    g.form.focus = std::nullopt;
    s.cubeready = 1;
    s.computerlooked = 0;
    colourNewCube(s.cube, n, s.facecolor, s.usedcolor, s.rnd);
    fitSurface(g);
    layOutNewCube(g);
    s.rnd.seed(g.platform.clock());
    s.counters.lastface = -1;
    s.view = {s.rnd.upTo(6), s.rnd.upTo(4)};
    return Stage::DrawSequence;
}

// Waits for Timer1 before a computer move, so that moves are at least
// `rotationtime` tenths of a second apart. False when the game ended.
bool moveWait(Game& g) {
    GameState& s = g.s;
    // Halves round to the even whole number; a 0 ms timer could never end
    // the wait, so 1 ms is the least.
    const double ms = roundHalfEven(s.rotationtime * 100);
    g.form.Timer1.interval = static_cast<int>(std::clamp(ms, 1.0, static_cast<double>(INT_MAX)));
    g.form.Timer1.enabled = true;
    g.platform.timerChanged(g.form.Timer1);
    s.timertick = 0;
    s.stopwaiting = 0;
    do {
        g.platform.pumpEvents(g, YieldPoint::MoveWait, true);
        if (g.ended) return false;
        if (s.colorpanelused == 1) sixColourRule(g);
    } while (s.timertick != 1 && s.computersolves != 0 && s.gameon == 0 && s.stopwaiting != 1);
    g.form.Timer1.enabled = false;
    g.platform.timerChanged(g.form.Timer1);
    return true;
}

// Lets the window's events run until there is something to do. Only the
// first round looks without waiting; a round that finds nothing to do waits
// for the next event. A computer that solves with nothing left to undo waits
// at once: until an event comes, every further pass would do just what the
// last one did. False when the game ended.
bool idlePoll(Game& g) {
    GameState& s = g.s;
    const bool nothingToUndo = s.computersolves == 1 && s.history.histcount == 0 && s.onemove != 1;
    for (bool wait = nothingToUndo;; wait = true) {
        s.clickpending = 0;
        s.viewchanged = 0;
        g.platform.pumpEvents(g, YieldPoint::IdlePoll, wait);
        if (g.ended) return false;
        if (s.history.histcount > 0 && s.panelopen == 0 && s.gameon != 1) g.form[MenuId::savepuzzle].enabled = true;
        s.timertick = 0;
        if (s.computersolves == 1 && s.scramblesleft <= 0 && s.rotationtime > 0 && s.onemove != 1) {
            if (!moveWait(g)) return false;
        }
        if (s.colorpanelused == 1) sixColourRule(g);
        if (s.clickpending == 1 || s.viewchanged == 1 || s.computersolves == 1) return true;
    }
}

// After the idle poll: the computer's move, a new cube, a change of view, or
// the pending click.
Stage afterIdlePoll(Game& g) {
    GameState& s = g.s;
    if (s.computersolves != 1) {
        s.computerlooked = 0;
    } else if (s.computerlooked == 0 && s.scramblesleft <= 0) {
        s.computerlooked = 1;
        computerStarts(g);
        // The cube changed while the computer read its colours (a puzzle
        // was loaded, say): it looks at the new one before it moves.
        if (g.ended || s.computerlooked == 0) return Stage::IdlePoll;
    }
    if (s.scramblesleft <= 0 && s.history.histcount > 0 && s.computersolves == 1) {
        const ComputerAction action = computerStep(s.history, s.view, s.rnd, s.cubesize);
        s.solverkey = action.solverkey;
        if (action.wholeCube) {
            s.viewchanged = 1;
            return Stage::DrawSequence;
        }
        s.move = action.move;
        return Stage::Turn;
    }
    if (s.cubeready == 0) return newCubeSetUp(g);
    if (s.viewchanged == 1) return Stage::AfterTurn;
    if (s.clickpending != 1) return Stage::Countdown;
    const HitResult hit = hitTest(s.geometry, s.cubesize, {s.clickx, s.clicky, s.clickbutton}, s.drawmode == 1);
    switch (hit.kind) {
    case Hit::None: return Stage::IdlePoll;
    case Hit::Rejected: return Stage::Countdown;
    case Hit::Move: s.move = hit.move; return Stage::Convert;
    }
    return Stage::Countdown;
}

// A click (or the next step of a draw-mode sequence) is recorded as a turn.
void convertAndRecord(GameState& s) {
    if (s.drawmode == 1 && s.drawsequence.counter() < 1) s.drawsequence.start(s.move);
    if (s.drawsequence.underWay()) s.move = s.drawsequence.next(s.cubesize);
    const HistEntry newturn = toAbsolute(s.view, s.move, s.cubesize);
    recordTurn(s.history, newturn, MergeContext{s.cube, s.view, s.rnd, s.counters, s.cubesize});
}

// Stage 10: the scramble countdown. When the scramble is over the cube is
// shown once, in the standard view.
Stage countdown(GameState& s) {
    if (s.scramblesleft > 0) {
        s.scramblesleft -= 1;
        if (s.scramblesleft == 0) {
            s.view = {1, 1};
            resetCounters(s.counters);
            return Stage::AfterTurn;
        }
    }
    return Stage::OneMoveReturn;
}

// A single computer move asked for with "b" is done: back to practice.
void oneMoveReturn(Game& g) {
    GameState& s = g.s;
    if (s.onemove != 1) return;
    setSolver(g, Solver::User);
    s.onemove = 0;
    s.computersolves = 0;
}

}  // namespace

void Form_Activate(Game& g) {
    GameState& s = g.s;
    startUp(g);
    Stage stage = newCubeSetUp(g);
    while (!g.ended) {
        switch (stage) {
        case Stage::PassStart:
            if (s.scramblesleft > 0) {
                s.move = scrambleStep(s.counters, s.view, s.history, s.rnd, s.cubesize);
                stage = Stage::Turn;
                break;
            }
            [[fallthrough]];
        case Stage::IdlePoll:
            if (!idlePoll(g)) return;
            stage = afterIdlePoll(g);
            break;
        case Stage::Convert:
            convertAndRecord(s);
            [[fallthrough]];
        case Stage::Turn:
            layerTurn(s.cube, s.view, s.move, s.cubesize);
            [[fallthrough]];
        case Stage::AfterTurn:
            stage = s.scramblesleft > 0 ? Stage::Countdown : Stage::DrawSequence;
            break;
        case Stage::DrawSequence:
            stage = s.drawsequence.underWay() ? Stage::Convert : Stage::Redraw;
            break;
        case Stage::Redraw:
            paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
            [[fallthrough]];
        case Stage::Countdown:
            stage = countdown(s);
            break;
        case Stage::OneMoveReturn:
            oneMoveReturn(g);
            [[fallthrough]];
        case Stage::SolveCheck:
            solveCheck(g);
            stage = Stage::PassStart;
            break;
        }
    }
}

void Timer1_Timer(Game& g) { g.s.timertick = 1; }

void Form_Resize(Game& g) {
    GameState& s = g.s;
    const ClientSize size = g.platform.clientSize();
    if (size.width == g.surface.width() && size.height == g.surface.height()) return;
    // The right-hand "Solved Cube!" moves with the width; the mode panel and
    // the left-hand text stay where they are, and no picture of the cube
    // reaches them (the layout keeps it right of the side panel), so the
    // repaint's erase leaves them whole.
    const SidePicture right = takeRightSolvedText(g);
    fitSurface(g);
    if (s.cubeready == 1) {
        layOutAgain(g);
        paintCube(g.surface, s.geometry, s.cube, s.view, s.cubesize, s.lastpicture);
    }
    putRightSolvedText(g, right);
}

}  // namespace vx
