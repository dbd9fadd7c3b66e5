#pragma once
#include <string_view>

#include "shell/form.h"

namespace vx {

struct Game;

// Events addressed by control name, as the window and the script mode
// deliver them. A control or menu item that is disabled or hidden (or sits in
// a disabled menu) cannot be used, as in the window.
enum class Delivery {
    Done,
    Unavailable,  // disabled, hidden, read-only, or no such entry in the list
    Unknown,      // no control of that kind with that name
};

// By name, as the script mode and the window's widgets name them.
Delivery chooseMenu(Game& g, std::string_view name);
Delivery pressButton(Game& g, std::string_view name);
Delivery toggleCheckBox(Game& g, std::string_view name);
Delivery typeText(Game& g, std::string_view name, std::string_view text);
Delivery selectEntry(Game& g, std::string_view name, std::string_view entry);
// A key down on the main form; the focused control gets it next when it is
// Text4 (Return there saves) or Command3 (any key gives the focus back).
// True when Command3 had it.
bool pressKey(Game& g, int keycode, std::optional<ControlId> focused);

// By id, for the program's own callers.
Delivery chooseMenu(Game& g, MenuId id);
Delivery pressButton(Game& g, ControlId id);

}  // namespace vx
