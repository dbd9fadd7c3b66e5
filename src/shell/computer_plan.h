#pragma once

namespace vx {

struct Game;

// The computer starts to solve the cube on the screen. A plan it took on
// earlier goes on while nothing but its own replay has changed the cube.
// Otherwise, with `shortest` ticked, it reads the colours: a solution shorter
// than the history, or one where the history does not bring this cube back,
// takes the history's place, and the ordinary replay carries it out. A cube
// it cannot solve keeps its history and a notice says why.
void computerStarts(Game& g);

}  // namespace vx
