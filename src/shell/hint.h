#pragma once
#include <string>

#include "cube/layer_turn.h"
#include "cube/view.h"
#include "history/history.h"

namespace vx {

struct Game;

// What the hint tells about the next entry of a plan seen in `view`: the
// square to click and the button, or that an arrow key must turn the cube
// first because the layer lies parallel to the screen.
struct HintMove {
    bool arrowFirst = false;
    ScreenMove move;  // when !arrowFirst: `turnkind` 1 left button, 2 right
};
std::optional<HintMove> hintMove(const HistEntry& next, View view, int n);

// The sentence of the notice for a hint.
std::string hintText(const HintMove& hint);

// Takes the hint off: the ring gives back the pixels under it and its notice
// goes (unless another has taken its place). Every event of the window calls
// it before anything else.
void endHint(Game& g);

}  // namespace vx
