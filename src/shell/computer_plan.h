#pragma once
#include <string>

#include "history/history.h"

namespace vx {

struct Game;

// What the computer would carry out if it started to solve the cube now.
struct NextPlan {
    enum class Kind {
        goesOn,         // the plan it took on earlier goes on: the history
        historyUnread,  // the history, the colours not read
        historyRead,    // the history: no plan from the colours is shorter
        colours,        // `plan`, read from the colours, takes the history's place
        refused,        // the colours cannot be solved (`reason`): the history
        interrupted,    // the cube, its history or the game changed while it read them
    };
    Kind kind = Kind::historyUnread;
    History plan;
    std::string reason;
};

// Looks at the cube as computerStarts does, reading the colours through the
// platform's think (the window's events run meanwhile) when `shortest` is
// ticked, and changes nothing of the game but the notice.
NextPlan lookForPlan(Game& g);

// The computer starts to solve the cube on the screen. A plan it took on
// earlier goes on while nothing but its own replay has changed the cube.
// Otherwise, with `shortest` ticked, it reads the colours: a solution shorter
// than the history, or one where the history does not bring this cube back,
// takes the history's place, and the ordinary replay carries it out. A cube
// it cannot solve keeps its history and a notice says why.
void computerStarts(Game& g);

}  // namespace vx
