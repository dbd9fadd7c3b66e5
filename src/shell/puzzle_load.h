#pragma once
#include <string>

#include "files/puzzle_file.h"

namespace vx {

struct Game;

// The puzzle file `name`.cube of the working directory, whole, or the one
// sentence that tells why it is refused (the game then stays exactly as it
// was).
PuzzleFile readPuzzleFile(const std::string& name);

// How a loaded cube is first shown: in the view the file gives, or (in a
// game) in a random one.
enum class LoadedView { FromFile, Random };

// Puts a read puzzle on the screen, for both loads (the load panel's, and a
// game's "Start new cube" on its puzzle): a fresh start outside a game, the
// size menu and the geometry of the file's cube, its squares, history and
// view, and the cube painted with the "Solved Cube!" texts gone.
void showLoadedPuzzle(Game& g, const PuzzleNumbers& p, LoadedView view);

}  // namespace vx
