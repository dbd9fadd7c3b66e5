// The one routine that does the game's work: start-up, then the main loop,
// pass after pass, until "Quit" or the window is closed. Handlers run only
// inside its two yields (the idle poll and the move wait) and just set
// values; the loop acts on them.
#include <algorithm>
#include <climits>

#include "files/numbers.h"
#include "history/computer_step.h"
#include "history/convert.h"
#include "history/record.h"
#include "history/scrambler.h"
#include "shell/colour_panel.h"
#include "shell/computer_plan.h"
#include "shell/game.h"
#include "shell/handlers.h"
#include "shell/hint.h"
#include "shell/hit_test.h"
#include "shell/layout.h"
#include "shell/mode_panel.h"
#include "shell/modes.h"
#include "shell/settings.h"
#include "shell/solve_check.h"

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
    Countdown,  // the scramble countdown
    OneMoveReturn,
    SolveCheck,
};

// The surface follows the client area of the window.
void fitSurface(Game& g) {
    const ClientSize size = g.platform.clientSize();
    if (size.width != g.surface.width() || size.height != g.surface.height()) g.surface.resize(size.width, size.height);
}

void startUp(Game& g) {
    GameState& s = g.s;
    fitSurface(g);
    s.panels.lastpuzzlename.clear();
    s.play.gamepuzzle = false;
    s.options.rotationtime = 0;
    s.play.gamestartstate = 1;
    s.play.solvewasnew = false;
    paintModePanel(g, Solver::User, true);
    s.play.computersolves = false;
    s.play.scramblesleft = 4;
    g.platform.maximise();
    fitSurface(g);
    s.play.cubesize = 3;
    s.options.pendingsize = s.play.cubesize;
    s.options.colorcount = 6;
    s.options.facecolor = kDefaultFaceColors;
    removeStaleSaves();
    readSettingsAtStartUp(g);
    s.panels.colorpanelused = false;
    for (const ColourBox& box : kColourBoxes) g.form[box.id].backcolor = box.colour;
}

Stage newCubeSetUp(Game& g) {
    GameState& s = g.s;
    const int n = s.play.cubesize;
    s.play.history.clear();
    s.play.usedcolor.fill(-2);
    s.play.view.turn = -1;
    s.play.counters.lastface = s.play.counters.lastcol = s.play.counters.lastrow = -1;
    s.loop.move.turnkind = -1;
    g.form.focus = std::nullopt;
    s.loop.cubeready = true;
    s.play.computerlooked = false;
    colourNewCube(s.play.cube, n, s.options.facecolor, s.play.usedcolor, s.play.rnd);
    fitSurface(g);
    layOutNewCube(g);
    s.play.rnd.seed(g.platform.clock());
    s.play.counters.lastface = -1;
    s.play.view = {s.play.rnd.upTo(6), s.play.rnd.upTo(4)};
    return Stage::DrawSequence;
}

// Waits for Timer1 before a computer move, so that moves are at least
// `rotationtime` tenths of a second apart. False when the game ended.
bool moveWait(Game& g) {
    GameState& s = g.s;
    // Halves round to the even whole number; a 0 ms timer could never end
    // the wait, so 1 ms is the least.
    const double ms = roundHalfEven(s.options.rotationtime * 100);
    g.form.Timer1.interval = static_cast<int>(std::clamp(ms, 1.0, static_cast<double>(INT_MAX)));
    g.form.Timer1.enabled = true;
    g.platform.timerChanged(g.form.Timer1);
    s.loop.timertick = false;
    s.loop.stopwaiting = false;
    do {
        g.platform.pumpEvents(g, YieldPoint::MoveWait, true);
        if (g.ended) return false;
        if (s.panels.colorpanelused) sixColourRule(g);
    } while (!s.loop.timertick && s.play.computersolves && !s.play.gameon && !s.loop.stopwaiting);
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
    const bool nothingToUndo = s.play.computersolves && s.play.history.histcount == 0 && !s.play.onemove;
    for (bool wait = nothingToUndo;; wait = true) {
        s.loop.clickpending = false;
        s.loop.viewchanged = false;
        g.platform.pumpEvents(g, YieldPoint::IdlePoll, wait);
        if (g.ended) return false;
        if (s.play.history.histcount > 0 && !s.panels.panelopen && !s.play.gameon)
            g.form[MenuId::savepuzzle].enabled = true;
        s.loop.timertick = false;
        if (s.play.computersolves && s.play.scramblesleft <= 0 && s.options.rotationtime > 0 && !s.play.onemove) {
            if (!moveWait(g)) return false;
        }
        if (s.panels.colorpanelused) sixColourRule(g);
        if (s.loop.clickpending || s.loop.viewchanged || s.play.computersolves) return true;
    }
}

// After the idle poll: the computer's move, a new cube, a change of view, or
// the pending click.
Stage afterIdlePoll(Game& g) {
    GameState& s = g.s;
    if (!s.play.computersolves) {
        s.play.computerlooked = false;
    } else if (!s.play.computerlooked && s.play.scramblesleft <= 0) {
        s.play.computerlooked = true;
        computerStarts(g);
        // The cube changed while the computer read its colours (a puzzle
        // was loaded, say): it looks at the new one before it moves.
        if (g.ended || !s.play.computerlooked) return Stage::IdlePoll;
    }
    if (s.play.scramblesleft <= 0 && s.play.history.histcount > 0 && s.play.computersolves) {
        const ComputerAction action = computerStep(s.play.history, s.play.view, s.play.rnd, s.play.cubesize);
        s.play.solverkey = action.solverkey;
        if (action.wholeCube) {
            s.loop.viewchanged = true;
            return Stage::DrawSequence;
        }
        s.loop.move = action.move;
        return Stage::Turn;
    }
    if (!s.loop.cubeready) return newCubeSetUp(g);
    if (s.loop.viewchanged) return Stage::AfterTurn;
    if (!s.loop.clickpending) return Stage::Countdown;
    const HitResult hit = hitTest(s.picture.geometry, s.play.cubesize,
                                  {s.loop.clickx, s.loop.clicky, s.loop.clickbutton}, s.play.drawmode);
    switch (hit.kind) {
    case Hit::None: return Stage::IdlePoll;
    case Hit::Rejected: return Stage::Countdown;
    case Hit::Move: s.loop.move = hit.move; return Stage::Convert;
    }
    return Stage::Countdown;
}

// A click (or the next step of a draw-mode sequence) is recorded as a turn.
void convertAndRecord(GameState& s) {
    if (s.play.drawmode && s.play.drawsequence.counter() < 1) s.play.drawsequence.start(s.loop.move);
    if (s.play.drawsequence.underWay()) s.loop.move = s.play.drawsequence.next(s.play.cubesize);
    const HistEntry newturn = toAbsolute(s.play.view, s.loop.move, s.play.cubesize);
    recordTurn(s.play.history, newturn,
               MergeContext{s.play.cube, s.play.view, s.play.rnd, s.play.counters, s.play.cubesize});
}

// Stage 10: the scramble countdown. When the scramble is over the cube is
// shown once, in the standard view.
Stage countdown(GameState& s) {
    if (s.play.scramblesleft > 0) {
        s.play.scramblesleft -= 1;
        if (s.play.scramblesleft == 0) {
            s.play.view = {1, 1};
            resetCounters(s.play.counters);
            return Stage::AfterTurn;
        }
    }
    return Stage::OneMoveReturn;
}

// A single computer move asked for with "b" is done: back to practice.
void oneMoveReturn(Game& g) {
    GameState& s = g.s;
    if (!s.play.onemove) return;
    setSolver(g, Solver::User);
    s.play.onemove = false;
    s.play.computersolves = false;
}

}  // namespace

void Form_Activate(Game& g) {
    GameState& s = g.s;
    startUp(g);
    Stage stage = newCubeSetUp(g);
    while (!g.ended) {
        switch (stage) {
        case Stage::PassStart:
            if (s.play.scramblesleft > 0) {
                s.loop.move = scrambleStep(s.play.counters, s.play.view, s.play.history, s.play.rnd, s.play.cubesize);
                stage = Stage::Turn;
                break;
            }
            [[fallthrough]];
        case Stage::IdlePoll:
            if (!idlePoll(g)) return;
            stage = afterIdlePoll(g);
            break;
        case Stage::Convert: convertAndRecord(s); [[fallthrough]];
        case Stage::Turn: layerTurn(s.play.cube, s.play.view, s.loop.move, s.play.cubesize); [[fallthrough]];
        case Stage::AfterTurn: stage = s.play.scramblesleft > 0 ? Stage::Countdown : Stage::DrawSequence; break;
        case Stage::DrawSequence: stage = s.play.drawsequence.underWay() ? Stage::Convert : Stage::Redraw; break;
        case Stage::Redraw:
            paintCube(g.surface, s.picture.geometry, s.play.cube, s.play.view, s.play.cubesize, s.picture.lastpicture);
            [[fallthrough]];
        case Stage::Countdown: stage = countdown(s); break;
        case Stage::OneMoveReturn: oneMoveReturn(g); [[fallthrough]];
        case Stage::SolveCheck:
            solveCheck(g);
            stage = Stage::PassStart;
            break;
        }
    }
}

void Timer1_Timer(Game& g) { g.s.loop.timertick = true; }

void Form_Resize(Game& g) {
    endHint(g);
    GameState& s = g.s;
    const ClientSize size = g.platform.clientSize();
    if (size.width == g.surface.width() && size.height == g.surface.height()) return;
    // The right-hand "Solved Cube!" moves with the width; the mode panel and
    // the left-hand text stay where they are, and no picture of the cube
    // reaches them (the layout keeps it right of the side panel), so the
    // repaint's erase leaves them whole.
    const SidePicture right = takeRightSolvedText(g);
    fitSurface(g);
    if (s.loop.cubeready) {
        layOutAgain(g);
        paintCube(g.surface, s.picture.geometry, s.play.cube, s.play.view, s.play.cubesize, s.picture.lastpicture);
    }
    putRightSolvedText(g, right);
}

}  // namespace vx
