#pragma once

#include "shell/mode_panel.h"

namespace vx {

struct Game;

// Who solves the cube from now on. The scrambler's counters start afresh
// when that changes; then as showSolver.
void setSolver(Game& g, Solver solver);
// The menus tick the solver, a game ends, and the mode panel shows it.
void showSolver(Game& g, Solver solver);
// Leaves a game for practice or computer solving: draw-mode follows its menu
// tick again, the game's labels and buttons go, the captions come back.
void leaveGame(Game& g);

}  // namespace vx
