#pragma once
#include "cube/layer_turn.h"

namespace vx {

// In draw mode a click makes four turns through the clicked square: its
// column (or row) one way, its row (or column) one way, then each of them
// back. The main loop asks for one step at a time and records and turns each
// like a click turn, with no redraw in between.
class DrawSequence {
public:
    bool underWay() const { return counter_ > 0; }
    int counter() const { return counter_; }

    // Remembers the clicked square and the button's kind, unless a sequence
    // is already under way or the kind is neither a column (1) nor a row (2).
    void start(const ScreenMove& click);

    // The screen move of the next step; the sequence ends after the fourth.
    // A move of kind 0 (no turn) when no sequence is under way.
    ScreenMove next(int n);

private:
    int counter_ = 0;
    ScreenMove click_;
};

}  // namespace vx
