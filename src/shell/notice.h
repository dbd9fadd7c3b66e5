#pragma once
#include <string>
#include <string_view>

namespace vx {

struct Game;

// The notice at the foot of the side panel: what went wrong, told once.
void tell(Game& g, const std::string& notice);
void hideNotice(Game& g);
// What a failed save tells, naming what was not saved ("the puzzle a.cube").
std::string saveFailedNotice(std::string_view what);

}  // namespace vx
