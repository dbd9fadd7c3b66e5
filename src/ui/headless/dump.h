#pragma once
#include <string>

namespace vx {

struct Game;

// The game's state as one line of JSON: the shared values under their own
// names, the cube's squares, the history, the menus and the controls.
std::string dumpJson(const Game& g, long long timeMs);

}  // namespace vx
