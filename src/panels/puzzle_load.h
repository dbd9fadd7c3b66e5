#pragma once
#include <optional>
#include <string>

#include "files/puzzle_file.h"

namespace vx {

struct Game;
struct GameState;

// The numbers of the puzzle file `name`.cube in the working directory, as far
// as the file goes; nothing when it cannot be read or must be refused whole
// (the game then stays exactly as it was). `fallbackSize` is the size in
// force should the file end before its size. A file whose size differs from
// `shownSize` (the cube on the screen) must give every square of its size.
std::optional<PuzzleNumbers> readPuzzleFile(const std::string& name, int fallbackSize, int shownSize);

// What a load sets before it reads: a fresh start for the loaded cube.
void startLoadedCube(GameState& s);
// The five header values, as far as the file holds them.
void applyPuzzleHeader(GameState& s, const PuzzleNumbers& p);
// The size menu follows the loaded size; the geometry is the one of a puzzle
// read from a file.
void takeLoadedSize(Game& g);
// The squares and the history.
void applyPuzzleBody(GameState& s, const PuzzleNumbers& p);
// The "Solved Cube!" texts go before the loaded cube is painted.
void clearSolvedTextsForLoad(Game& g);
// A random view, as a game shows a loaded puzzle.
void randomView(GameState& s);

}  // namespace vx
