#pragma once
#include <optional>
#include <string>

#include "files/puzzle_file.h"

namespace vx {

struct Game;

// The numbers of the puzzle file `name`.cube in the working directory, as far
// as the file goes; nothing when it cannot be read or must be refused whole
// (the game then stays exactly as it was). `sizeInForce` is the size of the
// next cube should the file end before its size. A file whose size differs
// from `shownSize` (the cube on the screen) must give every square of its size.
std::optional<PuzzleNumbers> readPuzzleFile(const std::string& name, int sizeInForce, int shownSize);

// How a loaded cube is first shown: in the view the file gives, or (in a
// game) in a random one.
enum class LoadedView { FromFile, Random };

// Puts a read puzzle on the screen, for both loads (the load panel's, and a
// game's "Start new cube" on its puzzle): a fresh start outside a game, the
// header, the size menu and the geometry of a file's cube, the squares and the
// history, the view, and the cube painted with the "Solved Cube!" texts gone.
void showLoadedPuzzle(Game& g, const PuzzleNumbers& p, LoadedView view);

}  // namespace vx
