#pragma once
#include <vector>

namespace vx {

struct Game;

// The end of every pass: is the cube solved, has it just become so? Shows
// "Solved Cube!" and keeps a game's count.
void solveCheck(Game& g);

// Erases the two places where "Solved Cube!" stands, whole.
void eraseSolvedTexts(Game& g);

// The area of the right-hand "Solved Cube!" as it stands, whatever it shows
// (the text, its band, or nothing), less the cube's picture.
struct SidePicture {
    int left = 0, top = 0, width = 0, height = 0;
    std::vector<int> pixels;  // row by row; 0 where nothing is drawn
};
// Takes the area's pixels and clears it, before the client area changes.
SidePicture takeRightSolvedText(Game& g);
// Puts them back where the area stands now, behind the cube.
void putRightSolvedText(Game& g, const SidePicture& picture);

// What happens when the cube has just become solved. The short form is the
// one switching draw-mode off runs on a cube with no history.
enum class SolvedBlock { Full, Short };
void justSolved(Game& g, SolvedBlock block);

// A cube counts as solved when every face is of one colour.
bool cubeSolved(const Game& g);

}  // namespace vx
