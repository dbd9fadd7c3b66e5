#pragma once
#include <string>
#include <string_view>

namespace vx {

struct Game;

// The notice at the foot of the side panel: what went wrong, or that a save
// was done, told once.
void tell(Game& g, const std::string& notice);
void hideNotice(Game& g);
// What a failed save tells: what was not saved ("the puzzle a.cube") and why
// ("the disk is full").
std::string saveFailedNotice(std::string_view what, std::string_view why);

}  // namespace vx
