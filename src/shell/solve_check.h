#pragma once

namespace vx {

struct Game;

// The end of every pass: is the cube solved, has it just become so? Shows
// "Solved Cube!" and keeps a game's count.
void solveCheck(Game& g);

// Erases the two places where "Solved Cube!" stands: the whole areas, and
// just the two bands (in draw-mode the texts go at once).
void eraseSolvedTexts(Game& g);
void eraseSolvedBands(Game& g);

// What happens when the cube has just become solved. The short form is the
// one switching draw-mode off runs on a cube with no history.
enum class SolvedBlock { Full, Short };
void justSolved(Game& g, SolvedBlock block);

// A cube counts as solved when every face is of one colour.
bool cubeSolved(const Game& g);

}  // namespace vx
