#pragma once
#include "shell/form.h"

namespace vx {

struct Game;

// Changes a check box's ticked state the way the window does: its click
// handler runs on every change, also when the program makes it.
void setTicked(Game& g, ControlId box, bool ticked);

// With the colour panel used at least once, exactly six colours may be
// ticked: Done only then, and no seventh box.
void sixColourRule(Game& g);

}  // namespace vx
