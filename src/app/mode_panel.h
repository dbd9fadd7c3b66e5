#pragma once
#include <string_view>

namespace vx {

struct Game;

enum class Solver { User, Computer };

// The mode panel at the top left: the hint about "b" and the two boxes, the
// one of the player who solves the cube highlighted. At start-up the
// computer's box is filled first.
void drawModePanel(Game& g, Solver highlighted, bool atStartUp = false);
// The panel for the current `computersolves`.
void drawModePanelForSolver(Game& g);
void eraseModePanel(Game& g);

// Prints a text at the surface's current text position, in the current text
// colour and font size.
void printText(Game& g, std::string_view text);

}  // namespace vx
