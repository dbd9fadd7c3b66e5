#pragma once
#include <string_view>

namespace vx {

struct Game;

enum class Solver { User, Computer };

// The mode panel at the top left: the hint about "b" and the two boxes, the
// one of the player who solves the cube highlighted. At start-up the
// computer's box is filled first.
void paintModePanel(Game& g, Solver highlighted, bool atStartUp = false);
// The panel for the current `computersolves`.
void paintModePanelForSolver(Game& g);
void eraseModePanel(Game& g);

// Prints a text at the surface's current text position, in the current text
// colour and font size.
void printText(Game& g, std::string_view text);

// The side texts ("Solved Cube!") and the boxes that clear them stand where a
// window about 800 pixels wide has room beside the cube; in other windows the
// cube can reach into them. The cube stays in front: these draw everywhere
// but on its picture.
void boxBesideCube(Game& g, int x1, int y1, int x2, int y2, int colour);
void printBesideCube(Game& g, std::string_view text);

}  // namespace vx
