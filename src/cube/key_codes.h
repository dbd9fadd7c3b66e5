#pragma once

namespace vx::key {

// The game's key codes, the one place they are written: the form's key
// handler, the arrows of the whole-cube turns (the computer's too), the keys
// that finish a panel, the script mode's key names and the window's keys all
// take them from here. Letters are their upper-case codes in either case.
enum : int {
    Return = 13,
    Escape = 27,
    Space = 32,
    Left = 37,
    Up = 38,
    Right = 39,
    Down = 40,
    B = 66,
    H = 72,
    R = 82,
    T = 84,
};

}  // namespace vx::key
