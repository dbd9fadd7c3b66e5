#pragma once

#include "render/surface.h"
#include "shell/form.h"
#include "shell/game_state.h"
#include "shell/platform.h"

namespace vx {

// Everything the running game is: its shared values, its window as data, the
// drawing surface, and the platform it talks to the outside through.
struct Game {
    explicit Game(Platform& p) : platform(p) {}

    GameState s;
    Form form = makeMainForm();
    Surface surface;
    Platform& platform;
    bool ended = false;  // "Quit" or the window closed: the loop stops at once
};

}  // namespace vx
